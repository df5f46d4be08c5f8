# Runs the name-table generator on a copy of its inputs and compares what it
# writes with the committed library source.
set(work ${WORK_DIR}/parm_names)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/tools ${work}/kavrix)
file(COPY ${SOURCE_DIR}/tools/gen_parm_names.py ${SOURCE_DIR}/tools/parm_names.txt DESTINATION ${work}/tools)
execute_process(COMMAND ${PYTHON} ${work}/tools/gen_parm_names.py RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gen_parm_names.py failed:\n${error}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/kavrix/ParmInfo.cpp ${SOURCE_DIR}/kavrix/ParmInfo.cpp
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "kavrix/ParmInfo.cpp differs from what tools/gen_parm_names.py writes from tools/parm_names.txt")
endif()
