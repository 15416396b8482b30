# The Debian package of the program and its libraries, built by
# `cpack -G DEB` in the build folder (scripts/package). Its dependencies are
# read from the binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME lexora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lexora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Legislation of Greek primary education")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop reference, in Greek, for the legislation of Greek primary education: acts broken into articles and paragraphs, a tree of topics whose abstracts cite them, an organisation chart with document templates, searches, a personal history and printing. Also the libraries dvRtns4, dvDBrtns4 and Dravik with their headers, CMake packages and pkg-config files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lexora maintainers <maintainers@lexora.gr>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package's own libraries are found in its tree, not asked of dpkg.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_LIBDIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
