# Builds the upward-include probe and passes only when the compiler refuses
# it for the one reason meant: the header of the higher layer is not found.
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} compiled: a layer reaches the headers of a layer above it")
endif()
if(NOT output MATCHES "${HEADER}: No such file or directory")
  message(FATAL_ERROR "${TARGET} failed for another reason than the missing ${HEADER}:\n${output}")
endif()
