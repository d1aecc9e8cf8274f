// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tintforge {

// Segment texts are bytes of the game's 8-bit code page, Windows-1252; in the glyph range
// (192 to 255) it equals Latin-1. These convert between those bytes and what a widget shows.
QString fromCodePage(std::string_view bytes);
// Characters the code page cannot hold, and control characters, are left out.
std::string toCodePage(QStringView text);
bool isCodePageText(QChar c);

// Composes the text (NFC), then drops every character the code page cannot hold, moving the cursor
// with the text before it.
void dropNonCodePage(QString &text, int &cursor);

} // namespace tintforge
