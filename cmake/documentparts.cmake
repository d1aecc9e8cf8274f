# SPDX-License-Identifier: MIT
# What a player needs to know stands once, in README.md (and the Windows systems in
# docs/windows.md). The man page and the Windows README.txt carry some of its paragraphs too:
# they take them from there when the build is configured, so that no copy drifts from its source.

# The lines of `document` (a path in the source tree) from the one that starts with `opening` up
# to the next empty line.
function(document_lines out document opening)
    set(path ${PROJECT_SOURCE_DIR}/${document})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    file(READ ${path} text)
    string(FIND "${text}" "\n${opening}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${document} has no paragraph that starts with \"${opening}\"")
    endif()
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${text}" ${at} -1 text)
    string(FIND "${text}" "\n\n" end)
    string(SUBSTRING "${text}" 0 ${end} text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# That paragraph, its lines joined with spaces.
function(document_paragraph out document opening)
    document_lines(text ${document} "${opening}")
    string(REPLACE "\n" " " text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The numbered list of `document` whose first item starts with `opening`, as plain text in lines of
# at most `width` characters, each item's lines after its first indented under its text.
function(document_list out document opening width)
    document_lines(list ${document} "${opening}")
    # Kept out of the item list, whose separator it is, as a character no document holds.
    string(ASCII 1 semicolon)
    string(REPLACE ";" "${semicolon}" list "${list}")
    string(REGEX REPLACE "\n([0-9]+\\. )" ";\\1" items "${list}")
    set(text "")
    foreach(item IN LISTS items)
        string(REPLACE "\n" " " item "${item}")
        string(REPLACE "${semicolon}" ";" item "${item}")
        as_plain_text(item "${item}" ${width} "   ")
        string(APPEND text "${item}\n")
    endforeach()
    string(STRIP "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# README's numbered list of the places Make looks in on Windows, a "  N. place" line each.
function(readme_windows_places out)
    set(path ${PROJECT_SOURCE_DIR}/README.md)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    file(READ ${path} text)
    string(REGEX MATCH "\n  - On Windows:[^\n]*\n(    [^\n]*\n)+" list "${text}")
    string(REGEX REPLACE "\n    ([0-9]+\\.) `([^`\n]+)`" "\n  \\1 \\2" list "${list}")
    string(REGEX MATCHALL "\n  [0-9]+\\. [^\n]+" places "${list}")
    if(NOT places)
        message(FATAL_ERROR "README.md lists no places Make looks in on Windows")
    endif()
    string(JOIN "" places ${places})
    string(SUBSTRING "${places}" 1 -1 places)
    set(${out} "${places}" PARENT_SCOPE)
endfunction()

# Markdown's **bold** and `code` as plain text, in lines of at most `width` characters, those after
# the first begun with the optional indent.
function(as_plain_text out text width)
    set(indent "${ARGV3}")
    string(REGEX REPLACE "\\*\\*([^*]+)\\*\\*" "\\1" text "${text}")
    string(REPLACE "`" "" text "${text}")
    # Kept out of the word list, whose separator and escape they are, as characters no document
    # holds.
    string(ASCII 1 semicolon)
    string(ASCII 2 backslash)
    string(REPLACE ";" "${semicolon}" text "${text}")
    string(REPLACE "\\" "${backslash}" text "${text}")
    string(REGEX REPLACE " +" ";" words "${text}")
    set(lines "")
    set(line "")
    foreach(word IN LISTS words)
        string(LENGTH "${line} ${word}" length)
        if(line STREQUAL "")
            set(line "${word}")
        elseif(length GREATER width)
            string(APPEND lines "${line}\n")
            set(line "${indent}${word}")
        else()
            string(APPEND line " ${word}")
        endif()
    endforeach()
    string(APPEND lines "${line}")
    string(REPLACE "${semicolon}" ";" lines "${lines}")
    string(REPLACE "${backslash}" "\\" lines "${lines}")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Markdown's **bold** and `code` as a man page's bold and italics, its backslashes escaped.
function(as_roff out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "\\*\\*([^*]+)\\*\\*" "\\\\fB\\1\\\\fR" text "${text}")
    string(REGEX REPLACE "`([^`]+)`" "\\\\fI\\1\\\\fR" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
