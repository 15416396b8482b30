# How the program installs as a desktop program: <libdir>/lexora is the
# application folder (the program, edudata.mdb, help/), bin/lexora a relative
# link to the program, and the desktop entry, AppStream metadata and icons
# under share/. The program finds the published libraries in <libdir>
# through its run path, wherever the tree is installed.
include(GNUInstallDirs)

set(LEXORA_INSTALL_APP_DIR ${CMAKE_INSTALL_LIBDIR}/lexora)
set(LEXORA_APP_ID gr.lexora.Lexora)
# The release the metadata names; set with the project's version.
set(LEXORA_RELEASE_DATE 2026-12-10)
# Where the publisher serves packaging/screenshots/main-window.png.
set(LEXORA_SCREENSHOT_URL "https://lexora.gr/screenshots/main-window.png"
    CACHE STRING "Address of the screenshot that the AppStream metadata names")

file(RELATIVE_PATH app_to_libdir /${LEXORA_INSTALL_APP_DIR} /${CMAKE_INSTALL_LIBDIR})
# The same run path in the build tree, where the libraries lie beside the
# program, and installed, where they lie in <libdir>.
set_target_properties(lexora PROPERTIES
    INSTALL_RPATH "$ORIGIN;$ORIGIN/${app_to_libdir}" BUILD_WITH_INSTALL_RPATH ON)
install(TARGETS lexora RUNTIME DESTINATION ${LEXORA_INSTALL_APP_DIR} COMPONENT Runtime)
install(FILES ${LEXORA_APP_DIR}/edudata.mdb DESTINATION ${LEXORA_INSTALL_APP_DIR}
    COMPONENT Runtime)
install(DIRECTORY ${LEXORA_APP_DIR}/help DESTINATION ${LEXORA_INSTALL_APP_DIR}
    COMPONENT Runtime)

# bin/lexora: a relative link, so that the tree may be installed anywhere.
file(RELATIVE_PATH bin_to_program /${CMAKE_INSTALL_BINDIR} /${LEXORA_INSTALL_APP_DIR}/lexora)
set(program_link ${CMAKE_BINARY_DIR}/packaging/bin/lexora)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ${bin_to_program} ${program_link} SYMBOLIC)
install(FILES ${program_link} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${LEXORA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
configure_file(${packaging}/${LEXORA_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${LEXORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LEXORA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/${size}x${size}/${LEXORA_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        COMPONENT Runtime)
endforeach()
install(FILES ${packaging}/icons/${LEXORA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)
