# The same source gives the same programs, byte for byte, whenever and
# wherever it is built (scripts/check-reproducible shows it):
#   - the linker writes no time stamp into the PE header (nor, so, a checksum
#     that depends on it);
#   - no build folder goes into what the compiler writes: debugging
#     information and __FILE__ name the source as /tornwick/engine/...,
#     whatever the folder of the checkout (a debugger finds the files with
#     "set substitute-path /tornwick FOLDER").
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=/tornwick)
file(RELATIVE_PATH binary_from_source ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
if(binary_from_source MATCHES "^\\.\\./")
  # A build tree outside the source: its generated files, too.
  add_compile_options(-ffile-prefix-map=${CMAKE_BINARY_DIR}=/tornwick-build)
endif()
