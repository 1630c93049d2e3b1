# tornwick_ship_executable(TARGET): the executable is shipped without its
# debugging information, which is most of its size.  That information moves to
# TARGET.exe.debug beside it, which a debugger finds through the link left in
# the program and which turns the addresses of a user's crash report back into
# source lines.  Test programs keep theirs in place.
#
# objcopy writes both files anew, and would stamp each PE header with its
# clock time: SOURCE_DATE_EPOCH=0 makes it write no time stamp, as the linker
# does (cmake/Reproducible.cmake).  The debugging file is then the same from
# build to build, and so is the checksum of it that the link records.
function(tornwick_ship_executable target)
  if(CMAKE_OBJCOPY)
    set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${objcopy} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${objcopy} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
              $<TARGET_FILE:${target}>
      VERBATIM)
  else()
    target_link_options(${target} PRIVATE -s)
  endif()
endfunction()
