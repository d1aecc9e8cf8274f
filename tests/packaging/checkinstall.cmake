# SPDX-License-Identifier: MIT
# Installs the build twice, once under a prefix and once staged with DESTDIR as packagers do, and
# checks that every file lands where desktops and package tools look for it.
set(expected
    bin/tintforge
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/man/man1/tintforge.1
    share/doc/tintforge/LICENSE
    share/doc/tintforge/README.md)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

function(check_tree root)
    file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
    list(SORT installed)
    set(wanted ${expected})
    list(SORT wanted)
    if(NOT installed STREQUAL wanted)
        message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${wanted}")
    endif()
    file(READ ${root}/share/applications/${APP_ID}.desktop entry)
    if(NOT entry MATCHES "\nName=${TITLE}\n" OR NOT entry MATCHES "\nIcon=${APP_ID}\n")
        message(FATAL_ERROR "the desktop entry does not carry the program's name and icon")
    endif()
    file(READ ${root}/share/man/man1/tintforge.1 page)
    if(page MATCHES "@[A-Z_]+@" OR NOT page MATCHES "\nFrom the keyboard: Tab")
        message(FATAL_ERROR "the man page lacks README's paragraphs:\n${page}")
    endif()
endfunction()

file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${ROOT}/prefix
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install --prefix failed: ${result}")
endif()
check_tree(${ROOT}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ROOT}/staged
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install with DESTDIR failed: ${result}")
endif()
check_tree(${ROOT}/staged/usr)
file(REMOVE_RECURSE ${ROOT})
