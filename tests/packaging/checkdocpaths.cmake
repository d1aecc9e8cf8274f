# SPDX-License-Identifier: MIT
# Every path of the tree that README.md and docs/ name in backquotes exists.
#   -DSOURCE=<the source tree>
file(GLOB documents ${SOURCE}/README.md ${SOURCE}/docs/*.md)
set(missing "")
foreach(document IN LISTS documents)
    file(READ ${document} text)
    string(REGEX MATCHALL "`(src|tests|tools|packaging|docs|cmake|\\.ci)/[^` ]*`" named "${text}")
    string(REGEX MATCHALL "`(LICENSE|Makefile|README\\.md|CMakePresets\\.json|CMakeLists\\.txt)`"
           files "${text}")
    foreach(path IN LISTS named files)
        string(REGEX REPLACE "^`(.*)`$" "\\1" path "${path}")
        # A folder's contents or a pattern ("src/ui/look/artwork/", "*_posix.cpp") stands for itself.
        if(path MATCHES "[*<>]|\\.\\.\\.")
            continue()
        endif()
        if(NOT EXISTS ${SOURCE}/${path})
            list(APPEND missing "${document}: ${path}")
        endif()
    endforeach()
endforeach()
if(missing)
    list(JOIN missing "\n" missing)
    message(FATAL_ERROR "paths named that do not exist:\n${missing}")
endif()
