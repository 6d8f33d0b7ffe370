# `make package`: a Debian package of the installed layout (cmake/QuorvelInstall.cmake), made by
# CPack. dpkg-shlibdeps computes the dependencies on the libraries the executables link; the Qt
# platform plugins are loaded at run time, so that one dependency is named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <developers@quorvel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assistant for Sudoku-style number puzzles")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel helps with number-placement puzzles on 9 x 9 and 15 x 15 grids: it loads stored \
puzzles by level, checks entries, shows the next value and its reason, solves in three \
strengths, generates and composes puzzles, imports and exports text files and prints. The \
companion tool quorvel-tool runs the same solver and generator from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)

# Builds the package into a scratch folder, unpacks it there and checks the unpacked program.
if(TARGET quorvel)
    add_test(NAME package_unpacked
        COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh
                ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/package-check)
    set_tests_properties(package_unpacked PROPERTIES LABELS package)
endif()
