// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace tintforge {

// One line of the colour chart the script prints to the game console: the game's colour codes,
// their colours and names. The palette's swatches take their codes and names from here.
struct ChartLine {
    std::string_view label;  // two digits, as the line shows it
    char code;               // the colour code shown between the two labels
    std::string_view colour; // six hex digits, RGB
    std::string_view name;   // written as it stands, spelling and trailing blank included
};

// No line for 9 or 13 (tab and carriage return); label 10 carries code 26, since code 10
// would break the line.
inline constexpr auto ChartLines = std::to_array<ChartLine>({
    {"01", 1, "FFFFFF", "bright white"},    {"02", 2, "FF0000", "bright red"},
    {"03", 3, "00FF00", "bright green"},    {"04", 4, "FFFF00", "bright yellow"},
    {"05", 5, "0000FF", "bright blue"},     {"06", 6, "FF00FF", "pink"},
    {"07", 7, "00FFFF", "bight blue"},      {"08", 8, "000000", "black"},
    {"10", 26, "702D07", "brown"},          {"11", 11, "7F0000", "red "},
    {"12", 12, "007F00", "green"},          {"14", 14, "007F7F", "yellow green"},
    {"15", 15, "00007F", "blue"},           {"16", 16, "564D28", "yellow grey"},
    {"17", 17, "4C5E36", "green grey"},     {"18", 18, "370B65", "aqua grey"},
    {"19", 19, "005572", "navy blue"},      {"20", 20, "54647E", "purple grey"},
    {"21", 21, "1E2A63", "dark purple"},    {"22", 22, "66097B", "purple"},
    {"23", 23, "705E61", "ash purple"},     {"24", 24, "980053", "red purple"},
    {"25", 25, "960018", "brick red"},      {"26", 26, "702D07", "light brown"},
    {"27", 27, "54492A", "ash yello grey"}, {"28", 28, "61A997", "light aqua"},
    {"29", 29, "CB8F39", "grey orange"},    {"30", 30, "CF8316", "light orange"},
    {"31", 31, "FF8020", "orange"},
});

} // namespace tintforge
