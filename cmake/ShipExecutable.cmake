# tornwick_ship_executable(TARGET): the executable is shipped without its
# debugging information, which is most of its size.  That information moves to
# TARGET.exe.debug beside it, which a debugger finds through the link left in
# the program and which turns the addresses of a user's crash report back into
# source lines.  Test programs keep theirs in place.
function(tornwick_ship_executable target)
  if(CMAKE_OBJCOPY)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
              $<TARGET_FILE:${target}>
      VERBATIM)
  else()
    target_link_options(${target} PRIVATE -s)
  endif()
endfunction()
