# SPDX-License-Identifier: MIT
# The Windows program as it is handed out: one file that imports only Windows' own DLLs, carries
# no symbols, holds the icon group and the version block, and travels in a zip with its licences.
#   -DEXE=... -DZIP=... -DOBJDUMP=... -DNM=... -DWINDRES=... -DINTERNAL_NAME=... -DVERSION=...
function(run_tool out)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE text RESULT_VARIABLE status)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Windows' own DLLs only: neither the compiler's runtime nor Qt as DLLs of their own.
run_tool(headers ${OBJDUMP} -p ${EXE})
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no imports found in ${EXE}")
endif()
foreach(import IN LISTS imports)
    if(import MATCHES "DLL Name: (lib|Qt)")
        message(FATAL_ERROR "${EXE} imports a DLL that does not come with Windows: ${import}")
    endif()
endforeach()

run_tool(symbols ${NM} ${EXE})
if(NOT symbols MATCHES "no symbols")
    message(FATAL_ERROR "${EXE} is not stripped")
endif()

run_tool(resources ${WINDRES} -i ${EXE} -O rc)
foreach(wanted "1 14 /\\* RT_GROUP_ICON \\*/" "30001 3 /\\* RT_ICON \\*/"
               "VALUE \"InternalName\", \"${INTERNAL_NAME}\""
               "VALUE \"OriginalFilename\", \"${INTERNAL_NAME}.exe\""
               "VALUE \"FileVersion\", \"${VERSION}\"")
    if(NOT resources MATCHES "${wanted}")
        message(FATAL_ERROR "${EXE} lacks the resource ${wanted}")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing
                RESULT_VARIABLE status)
get_filename_component(exe_name ${EXE} NAME)
foreach(wanted "${exe_name}" LICENSE.txt README.txt Qt-licences/LGPL-3.0-only.txt
               Qt-licences/GPL-3.0-only.txt)
    string(FIND "${listing}" "${wanted}\n" at)
    if(NOT status EQUAL 0 OR at EQUAL -1)
        message(FATAL_ERROR "${ZIP} lacks ${wanted}:\n${listing}")
    endif()
endforeach()
