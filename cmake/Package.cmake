# The Windows package: one ZIP, named with the version, holding the two
# programs, the help page with its picture, a short read-me, the licence and
# the samples, under one folder:
#
#   tornwick-4.1.0-win64/
#     tornwick.exe  tornwick-compare.exe
#     tornwick-help.html  tornwick-window.png
#     README.txt  LICENSE.txt
#     samples/lotw-credit-matrix.html  samples/vellum-dxcc.csv
#
# Build it with `cmake --build build/windows --target package`.
install(TARGETS tornwick tornwick-compare RUNTIME DESTINATION .)
install(FILES ${TORNWICK_HELP_FILES} ${CMAKE_SOURCE_DIR}/README.txt DESTINATION .)
# With an extension, so that Windows opens it with a double click.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_SOURCE_DIR}/samples/lotw-credit-matrix.html
              ${CMAKE_SOURCE_DIR}/samples/vellum-dxcc.csv
        DESTINATION samples)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tornwick)
set(CPACK_PACKAGE_VENDOR tornwick)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Compares a VELLUM DXCC listing with the LoTW Award Credit Matrix")
set(CPACK_PACKAGE_FILE_NAME tornwick-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
