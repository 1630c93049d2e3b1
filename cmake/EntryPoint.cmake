# tornwick_system_dll_search_entry(TARGET): TARGET starts at its
# SystemDllSearchEntry, before the C runtime, which restricts where DLLs are
# loaded from and then starts the runtime (ui/main.cpp, cli/main_win.cpp).
#
# On 32-bit x86 a C function's symbol carries a leading underscore.  ld only
# warns when it cannot find the entry symbol, and then starts the program at
# the first byte of its code; --require-defined makes that a failed link.
function(tornwick_system_dll_search_entry target)
  set(symbol SystemDllSearchEntry)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(symbol _SystemDllSearchEntry)
  endif()
  target_link_options(${target} PRIVATE -Wl,--entry=${symbol} -Wl,--require-defined=${symbol})
endfunction()
