# The compiler's own guards, for the Windows programs:
#   - -fstack-protector-strong: a canary on the stack of every function that
#     keeps an array or takes the address of a local, checked on return;
#   - _FORTIFY_SOURCE=2: the C library's copying functions (memcpy, strcpy,
#     snprintf...) check the size of a destination the compiler knows
#     (optimised builds only).
# Both end the program at once when a check fails.  Their runtime, libssp, is
# linked statically like the rest, so the programs still need no DLL beyond
# the system's.  The linker's defaults keep ASLR with high-entropy addresses
# (HIGH_ENTROPY_VA, DYNAMIC_BASE) and DEP (NX_COMPAT); the package's tests
# read all of it from the programs' headers.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS "-O2 -fstack-protector-strong -D_FORTIFY_SOURCE=2")
set(CMAKE_REQUIRED_LINK_OPTIONS -static -fstack-protector-strong)
check_cxx_source_compiles([[
#include <cstring>
int main(int argc, char** argv)
{
    char copy[16];
    std::strncpy(copy, argv[argc - 1], sizeof copy - 1);
    copy[sizeof copy - 1] = 0;
    return copy[0];
}]] TORNWICK_HAVE_COMPILER_GUARDS)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)

if(TORNWICK_HAVE_COMPILER_GUARDS)
  add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2)
  add_link_options(-fstack-protector-strong)
else()
  message(WARNING "This toolchain cannot link the stack protector statically: "
                  "the programs are built without it and without _FORTIFY_SOURCE")
endif()
