# The program's version has one source: project(... VERSION A.B.C) in the top
# CMakeLists.txt.  From it come
#   - version.h: the numbers of both executables' version records, the text
#     --version prints ("tornwick 4.1") and the About box's line
#     ("tornwick Version 4.1");
#   - tornwick.exe's manifest, whose assembly version is A.B.C.0;
#   - the package's name (cmake/Package.cmake, tornwick-A.B.C-win64.zip,
#     and tornwick-A.B.C-win32.zip for 32-bit Windows).
# The text a user reads leaves out a patch number of 0: 4.1.0 is "4.1",
# 4.1.2 is "4.1.2".
if(PROJECT_VERSION_PATCH)
  set(TORNWICK_VERSION_TEXT ${PROJECT_VERSION})
else()
  set(TORNWICK_VERSION_TEXT ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
endif()

# The manifest names the processor the program is built for (amd64 or x86),
# and so does the package.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TORNWICK_PROCESSOR_ARCHITECTURE x86)
  set(TORNWICK_PACKAGE_SYSTEM win32)
else()
  set(TORNWICK_PROCESSOR_ARCHITECTURE amd64)
  set(TORNWICK_PACKAGE_SYSTEM win64)
endif()

set(TORNWICK_MANIFEST_FILE ${CMAKE_BINARY_DIR}/generated/tornwick.exe.manifest)
set(TORNWICK_VERSION_HEADER ${CMAKE_BINARY_DIR}/generated/version.h)
configure_file(${CMAKE_SOURCE_DIR}/ui/resources/tornwick.exe.manifest ${TORNWICK_MANIFEST_FILE} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/ui/resources/version.h.in ${TORNWICK_VERSION_HEADER} @ONLY)

# Targets that print or record the version link this.
add_library(tornwick_version INTERFACE)
target_include_directories(tornwick_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
