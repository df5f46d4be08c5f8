# Configures a fresh tree twice and fails when the second configure gave any
# file a build reads a new time stamp: every such file rebuilds what depends on
# it, and a generated resource relinks every program that shows a widget.
# CMake's own bookkeeping, and what ctest alone reads, is rewritten each time
# and left out.
file(REMOVE_RECURSE ${WORK_DIR})
set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR} -G ${GENERATOR} -DCMAKE_BUILD_TYPE=RelWithDebInfo)
execute_process(COMMAND ${configure} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "configure failed:\n${error}")
endif()

file(GLOB_RECURSE files RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
set(bookkeeping
  Makefile Makefile2 Makefile\\.cmake CMakeRuleHashes\\.txt TargetDirectories\\.txt cmake\\.check_cache
  cmake\\.verify_globs cmake_clean\\.cmake cmake_clean_target\\.cmake compiler_depend\\.make depend\\.make
  progress\\.make progress\\.marks cmake_install\\.cmake CTestTestfile\\.cmake CMakeCache\\.txt
  compile_commands\\.json CMakeOutput\\.log CMakeError\\.log CMakeConfigureLog\\.yaml build\\.ninja
  .*_include\\.cmake)
list(JOIN bookkeeping "|" names)
list(FILTER files EXCLUDE REGEX "(^|/)(${names})$")
foreach(f IN LISTS files)
  file(TIMESTAMP ${WORK_DIR}/${f} before_${f} "%s" UTC)
endforeach()

# Time stamps count in seconds.
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
execute_process(COMMAND ${configure} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "second configure failed:\n${error}")
endif()

set(rewritten)
foreach(f IN LISTS files)
  file(TIMESTAMP ${WORK_DIR}/${f} after "%s" UTC)
  if(NOT after STREQUAL before_${f})
    list(APPEND rewritten ${f})
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
if(rewritten)
  list(JOIN rewritten "\n  " text)
  message(FATAL_ERROR "configured again with nothing changed, these files were rewritten:\n  ${text}")
endif()
list(LENGTH files checked)
message(STATUS "${checked} generated files kept their time stamps")
