# SPDX-License-Identifier: MIT
# Gives every .txt file below FOLDER Windows' line ends (CR LF), whatever ends it had.
#   cmake -DFOLDER=... -P crlf.cmake
file(GLOB_RECURSE texts ${FOLDER}/*.txt)
foreach(text IN LISTS texts)
    file(READ ${text} content)
    string(REPLACE "\r\n" "\n" content "${content}")
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${text} "${content}")
endforeach()
