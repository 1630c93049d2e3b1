# The Windows package: one ZIP, named with the version and the system
# (win64 for x64 Windows, win32 for 32-bit Windows and Windows on ARM),
# holding the two programs, the help page with its picture, a short read-me,
# the licence and the samples, under one folder:
#
#   tornwick-4.1.0-win64/
#     tornwick.exe  tornwick-compare.exe
#     tornwick-help.html  tornwick-window.png
#     README.txt  LICENSE.txt
#     samples/lotw-credit-matrix.html  samples/vellum-dxcc.csv
#
# Build it with `cmake --build build/windows --target package`: beside the
# ZIP comes SHA256SUMS.  The same commit gives the same ZIP, byte for byte
# (scripts/check-reproducible).
install(TARGETS tornwick tornwick-compare RUNTIME DESTINATION .)
install(FILES ${TORNWICK_HELP_FILES} ${CMAKE_SOURCE_DIR}/README.txt DESTINATION .)
# With an extension, so that Windows opens it with a double click.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_SOURCE_DIR}/samples/lotw-credit-matrix.html
              ${CMAKE_SOURCE_DIR}/samples/vellum-dxcc.csv
        DESTINATION samples)

# The ZIP is written reproducibly (cmake/PackageZip.cmake), with its
# SHA256SUMS beside it.
# Debian's own Python where there is one, whatever else is on the PATH: the
# ZIP comes out the same wherever the same Debian packages write it.
find_program(TORNWICK_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(TORNWICK_PYTHON python3 REQUIRED)
set(CPACK_GENERATOR ZIP)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageZip.cmake)
set(CPACK_TORNWICK_PYTHON ${TORNWICK_PYTHON})
set(CPACK_TORNWICK_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_PACKAGE_NAME tornwick)
set(CPACK_PACKAGE_VENDOR tornwick)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Compares a VELLUM DXCC listing with the LoTW Award Credit Matrix")
set(CPACK_PACKAGE_FILE_NAME tornwick-${PROJECT_VERSION}-${TORNWICK_PACKAGE_SYSTEM})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
