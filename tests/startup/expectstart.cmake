# SPDX-License-Identifier: MIT
# Starts the program with the given environment and checks its exit status and its whole
# standard error output.
#   cmake -DPROGRAM=... -DENVIRONMENT="A=1;B=2" -DUNSET="C;D" -DEXPECTED_EXIT=1
#         -DEXPECTED_ERROR=... -P expectstart.cmake
set(command ${CMAKE_COMMAND} -E env)
foreach(name IN LISTS UNSET)
    list(APPEND command --unset=${name})
endforeach()
list(APPEND command ${ENVIRONMENT} ${PROGRAM})
execute_process(COMMAND ${command} RESULT_VARIABLE status ERROR_VARIABLE error
                OUTPUT_VARIABLE output TIMEOUT 30)
if(NOT status STREQUAL EXPECTED_EXIT)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_EXIT}; stderr:\n${error}")
endif()
if(NOT error STREQUAL "${EXPECTED_ERROR}\n")
    message(FATAL_ERROR "stderr was:\n[${error}]\nexpected:\n[${EXPECTED_ERROR}\n]")
endif()
