# The program's version has one source: project(... VERSION A.B.C) in the top
# CMakeLists.txt.  From it come
#   - version.h: the numbers of both executables' version records, the text
#     --version prints ("tornwick 4.1") and the About box's line
#     ("tornwick Version 4.1");
#   - tornwick.exe's manifest, whose assembly version is A.B.C.0;
#   - the package's name (cmake/Package.cmake, tornwick-A.B.C-win64.zip).
# The text a user reads leaves out a patch number of 0: 4.1.0 is "4.1",
# 4.1.2 is "4.1.2".
if(PROJECT_VERSION_PATCH)
  set(TORNWICK_VERSION_TEXT ${PROJECT_VERSION})
else()
  set(TORNWICK_VERSION_TEXT ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
endif()

set(TORNWICK_MANIFEST_FILE ${CMAKE_BINARY_DIR}/generated/tornwick.exe.manifest)
set(TORNWICK_VERSION_HEADER ${CMAKE_BINARY_DIR}/generated/version.h)
configure_file(${CMAKE_SOURCE_DIR}/ui/resources/tornwick.exe.manifest ${TORNWICK_MANIFEST_FILE} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/ui/resources/version.h.in ${TORNWICK_VERSION_HEADER} @ONLY)

# Targets that print or record the version link this.
add_library(tornwick_version INTERFACE)
target_include_directories(tornwick_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
