# SPDX-License-Identifier: MIT
# The Windows program as it is handed out: one file that imports only Windows' own DLLs, carries
# no symbols, holds the icon group, the manifest and the version block, and travels in a zip with
# its licences, every text file in it with Windows' line ends.
#   -DEXE=... -DZIP=... -DOBJDUMP=... -DNM=... -DWINDRES=... -DINTERNAL_NAME=... -DVERSION=...
#   -DWORK=<a folder to unpack the zip in>
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
foreach(wanted "1 14 /\\* RT_GROUP_ICON \\*/" "30001 3 /\\* RT_ICON \\*/" "1 24 /\\* RT_MANIFEST \\*/"
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

# The manifest: the user's own rights (never redirected into VirtualStore), Windows 10 and 11
# only (the systems Qt 6.4 runs on: the program imports functions older ones lack), long paths,
# and the per-monitor DPI awareness Qt asks for.
file(STRINGS ${EXE} manifest REGEX "requestedExecutionLevel|supportedOS|longPathAware|dpiAware")
foreach(wanted "level=\"asInvoker\" uiAccess=\"false\"" "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
               ">true</longPathAware>" ">true/pm</dpiAware>" ">PerMonitorV2</dpiAwareness>")
    string(FIND "${manifest}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE}'s manifest lacks ${wanted}:\n${manifest}")
    endif()
endforeach()
# Windows 7, 8 and 8.1, which it cannot start on.
foreach(unwanted "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}" "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"
                 "{1f676c76-80e1-4239-95bb-83d0f6d0da78}")
    string(FIND "${manifest}" "${unwanted}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "${EXE}'s manifest claims ${unwanted}:\n${manifest}")
    endif()
endforeach()

# Every text file in the zip ends its lines with CR LF; the read-me's title is underlined to its
# last character.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status)
file(GLOB_RECURSE texts ${WORK}/*.txt)
foreach(text IN LISTS texts)
    file(READ ${text} content HEX)
    # One byte a word: a line feed not after a carriage return is a 0a not after 0d.
    string(REGEX REPLACE "(..)" "\\1 " bytes "${content}")
    if(bytes MATCHES "^0a " OR bytes MATCHES "([^0].|0[^d]) 0a ")
        message(FATAL_ERROR "${text} has a line without CR LF")
    endif()
endforeach()
file(STRINGS ${WORK}/README.txt readme LIMIT_COUNT 2)
string(REPLACE "\r" "" readme "${readme}")
list(GET readme 0 title)
list(GET readme 1 underline)
string(LENGTH "${title}" title_length)
string(LENGTH "${underline}" underline_length)
if(NOT title_length EQUAL underline_length OR NOT underline MATCHES "^=+$")
    message(FATAL_ERROR "README.txt's title and its underline differ in length:\n${title}\n${underline}")
endif()
file(READ ${WORK}/README.txt readme)
if(readme MATCHES "@[A-Z_]+@" OR NOT readme MATCHES "\n  1\\. C:\\\\Program Files\\\\Raven\\\\SOF\\\\user\n")
    message(FATAL_ERROR "README.txt lacks README.md's paragraphs:\n${readme}")
endif()
