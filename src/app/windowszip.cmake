# SPDX-License-Identifier: MIT
# The Windows distribution: the program in a zip with its licence, the licence texts
# of the static Qt it carries, and a short read-me. Built by `cmake --build . --target zip`.
set(zip_stage ${CMAKE_CURRENT_BINARY_DIR}/zip)
# The licence texts come with the static Qt (see tools/windows/build-qt.sh).
set(qt_licences ${QT6_INSTALL_PREFIX}/licenses)
string(LENGTH "${TINTFORGE_TITLE} ${TINTFORGE_VERSION_TEXT}" title_length)
string(REPEAT "=" ${title_length} README_UNDERLINE)
# advzip packs the same files again with 7-Zip's deflate: an ordinary zip that every unzip
# reads, about 4% smaller than libarchive's.
find_program(TINTFORGE_ADVZIP advzip REQUIRED)
# The read-me's paragraphs for players are README.md's and docs/windows.md's own.
include(${PROJECT_SOURCE_DIR}/cmake/documentparts.cmake)
document_paragraph(systems docs/windows.md "The program runs on")
as_plain_text(WINDOWS_SYSTEMS "${systems}" 96)
readme_windows_places(WINDOWS_PLACES)
document_list(STEPS README.md "1. Click a segment's" 96)
document_paragraph(running README.md "The game runs")
as_plain_text(RUNNING "${running}" 96)
document_paragraph(keyboard README.md "From the keyboard:")
as_plain_text(KEYBOARD_USE "${keyboard}" 96)
document_paragraph(reopening README.md "To change a name made before")
as_plain_text(REOPENING "${reopening}" 96)
document_paragraph(virtualstore README.md "Windows runs the game")
as_plain_text(VIRTUALSTORE "${virtualstore}" 96)
configure_file(windows-readme.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)

add_custom_target(zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_stage}/Qt-licences
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tintforge> ${zip_stage}/
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${zip_stage}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${zip_stage}/
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${qt_licences} ${zip_stage}/Qt-licences
    # Text files with Windows' line ends, so that Notepad of every version shows their lines.
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${zip_stage} -P ${CMAKE_CURRENT_SOURCE_DIR}/crlf.cmake
    COMMAND ${CMAKE_COMMAND} -E chdir ${zip_stage} ${CMAKE_COMMAND} -E tar cf
            ${CMAKE_BINARY_DIR}/${TINTFORGE_ZIP_NAME} --format=zip
            "$<TARGET_FILE_NAME:tintforge>" LICENSE.txt README.txt Qt-licences
    COMMAND ${TINTFORGE_ADVZIP} --recompress --shrink-extra --quiet
            ${CMAKE_BINARY_DIR}/${TINTFORGE_ZIP_NAME}
    DEPENDS tintforge
    COMMENT "Packing ${TINTFORGE_ZIP_NAME}"
    VERBATIM)
