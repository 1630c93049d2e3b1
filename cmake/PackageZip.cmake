# CPack runs this after it has made the ZIP (CPACK_POST_BUILD_SCRIPTS, set in
# cmake/Package.cmake).  CPack's own ZIP carries the build's clock time, the
# builder's file owners and the order the disk happens to list the files in;
# this writes it again from the very same staged folder, the same files under
# the same names, so that one commit always gives one ZIP, and puts its
# SHA256SUMS in the output folder, beside where CPack copies the ZIP.
foreach(zip ${CPACK_PACKAGE_FILES})
  execute_process(
    COMMAND ${CPACK_TORNWICK_PYTHON} ${CPACK_TORNWICK_SOURCE_DIR}/cmake/write-package-zip.py
            ${CPACK_TEMPORARY_DIRECTORY} ${zip} ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS
            ${CPACK_TORNWICK_SOURCE_DIR}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not write ${zip} reproducibly")
  endif()
endforeach()
