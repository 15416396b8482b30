# Publishing the shared libraries for other programs: a versioned file name
# and SONAME, only the exported symbols visible, the published headers under
# include/<library>/, a CMake package (<library>Config.cmake with its version
# file and an imported target <library>::<library>) and a pkg-config file.
#
# lexora_publish_library(<target>
#     VERSION <major.minor.patch>
#     DESCRIPTION <one line>
#     HEADERS <published header>...      paths relative to the current folder
#     CMAKE_DEPENDENCIES <line>...       find_dependency() arguments, one per item
#     PKG_REQUIRES <module>...)          pkg-config modules the library's users need
#
# Inside the source tree headers name each other from the repository root
# ("engine/Recordset.h", "routines/Variant.h"). The published copies are
# written into the build tree with those names turned into the installed
# ones (<lexora_engine/Recordset.h>, <dvRtns4/Variant.h>), so that each
# installed header compiles with nothing but the installed include folder.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Where each source folder's published headers are installed.
set(LEXORA_PUBLISHED_FOLDERS
    "routines=dvRtns4"
    "dbroutines=dvDBrtns4"
    "engine=lexora_engine"
    "controls=Dravik")

set(LEXORA_PUBLISHED_INCLUDE_DIR ${CMAKE_BINARY_DIR}/published/include)

# The text of a published header: root-relative includes of published
# folders become <installed folder/file name>.
function(_lexora_published_text source out)
    file(READ ${source} text)
    foreach(pair IN LISTS LEXORA_PUBLISHED_FOLDERS)
        string(REPLACE "=" ";" pair "${pair}")
        list(GET pair 0 from)
        list(GET pair 1 to)
        # controls/<control>/X.h: the control library's headers lie side by side.
        string(REGEX REPLACE "#include \"${from}/([A-Za-z0-9_]+/)?([A-Za-z0-9_]+\\.h)\""
                             "#include <${to}/\\2>" text "${text}")
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(lexora_publish_library target)
    cmake_parse_arguments(P "" "VERSION;DESCRIPTION"
                          "HEADERS;CMAKE_DEPENDENCIES;PKG_REQUIRES" ${ARGN})
    string(REGEX MATCH "^[0-9]+" major "${P_VERSION}")

    set_target_properties(${target} PROPERTIES
        VERSION ${P_VERSION}
        SOVERSION ${major}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        # The libraries lie side by side, in the application folder as
        # installed: their run path is their own folder, nothing else.
        BUILD_WITH_INSTALL_RPATH ON
        INSTALL_RPATH "$ORIGIN")
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_include_directories(${target} INTERFACE
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

    # The published headers, rewritten when their source changes.
    set(header_dir ${LEXORA_PUBLISHED_INCLUDE_DIR}/${target})
    set(published)
    foreach(header IN LISTS P_HEADERS)
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        get_filename_component(name ${header} NAME)
        set(copy ${header_dir}/${name})
        _lexora_published_text(${source} text)
        set(old "")
        if(EXISTS ${copy})
            file(READ ${copy} old)
        endif()
        if(NOT old STREQUAL text)
            file(WRITE ${copy} "${text}")
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
        list(APPEND published ${copy})
    endforeach()
    set_property(TARGET ${target} PROPERTY LEXORA_PUBLISHED_HEADERS ${published})

    install(TARGETS ${target} EXPORT ${target}Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            COMPONENT Runtime NAMELINK_COMPONENT Development
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(FILES ${published}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target} COMPONENT Development)

    set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
    install(EXPORT ${target}Targets NAMESPACE ${target}::
        DESTINATION ${package_dir} COMPONENT Development)
    set(LEXORA_PACKAGE ${target})
    set(LEXORA_PACKAGE_DEPENDENCIES "")
    foreach(dependency IN LISTS P_CMAKE_DEPENDENCIES)
        string(APPEND LEXORA_PACKAGE_DEPENDENCIES "find_dependency(${dependency})\n")
    endforeach()
    configure_package_config_file(
        ${PROJECT_SOURCE_DIR}/cmake/templates/PackageConfig.cmake.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
        INSTALL_DESTINATION ${package_dir})
    write_basic_package_version_file(
        ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
        VERSION ${P_VERSION} COMPATIBILITY SameMajorVersion)
    install(FILES
        ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
        ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
        DESTINATION ${package_dir} COMPONENT Development)

    # pkg-config: the prefix is found from the file's own place, so that the
    # installed tree may be moved.
    set(pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
    file(RELATIVE_PATH pc_to_prefix /${pc_dir} /)
    string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
    set(LEXORA_PC_PREFIX "\${pcfiledir}/${pc_to_prefix}")
    set(LEXORA_PC_NAME ${target})
    set(LEXORA_PC_DESCRIPTION "${P_DESCRIPTION}")
    set(LEXORA_PC_VERSION ${P_VERSION})
    list(JOIN P_PKG_REQUIRES " " LEXORA_PC_REQUIRES)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/templates/library.pc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc
        DESTINATION ${pc_dir} COMPONENT Development)
endfunction()
