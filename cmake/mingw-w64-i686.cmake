# Cross-compiling for 32-bit Windows with mingw-w64: the package for 32-bit
# Windows and for Windows on ARM, which runs 32-bit x86 programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
