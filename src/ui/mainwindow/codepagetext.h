// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tintforge {

// What a widget shows for a segment's code page bytes, and back. The fields' filter
// (CodePageValidator) lets through only characters that have a byte the field takes, so the way
// back never has to choose what to leave out; a character without one becomes a zero byte, which
// no segment takes.
QString fromCodePage(std::string_view bytes);
std::string toCodePage(QStringView text);

} // namespace tintforge
