// SPDX-License-Identifier: MIT
#pragma once

#include "rgb.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tintforge {

// One colour swatch of the palette row, all that is known of it in one place: its line of the
// colour chart the script prints to the game console (the line's label, the colour code it
// writes, and the colour and name the chart gives it), the colour the segment's text turns to,
// the colour of its square in the window, and its name as the user reads and hears it.
struct Swatch {
    int position;                 // from 1, left to right
    std::string_view label;       // the chart line's two digits
    char code;                    // the colour code, shown between the two labels
    std::string_view chartColour; // six hex digits, RGB, as the chart line shows them
    std::string_view chartName;   // written as it stands, spelling and trailing blank included
    Rgb preview;
    Rgb square;
    // The chart's name less its trailing blank, spelled as a colour: the chart keeps its own
    // spelling in color.cfg, where the game's users know it, but "bight blue" is cyan, and
    // spelled "bright blue" it would sound like the fifth swatch.
    std::string_view name;
};

namespace detail {
constexpr Swatch swatch(int position, std::string_view label, int code,
                        std::string_view chartColour, std::string_view chartName,
                        std::uint32_t preview, std::uint32_t square, std::string_view name)
{
    return {position,
            label,
            static_cast<char>(code),
            chartColour,
            chartName,
            Rgb::fromHex(preview),
            Rgb::fromHex(square),
            name};
}
} // namespace detail

// The chart has no line for 9 or 13 (tab and carriage return); label 10 carries code 26, since
// code 10 would break the line, so code 26 comes from two swatches (positions 9 and 24). The
// preview and the square are two colours: neither follows from the other, and positions 9 and
// 24 show the same square for different previews.
// clang-format off
inline constexpr std::array<Swatch, 29> Palette{{
    // position, chart label, code, chart colour, chart name, preview, square, name
    detail::swatch(1, "01", 1,  "FFFFFF", "bright white",   0xFFFFFF, 0xFFFFFF, "bright white"),
    detail::swatch(2, "02", 2,  "FF0000", "bright red",     0xFF0000, 0xFF0000, "bright red"),
    detail::swatch(3, "03", 3,  "00FF00", "bright green",   0x00FF00, 0x00FF00, "bright green"),
    detail::swatch(4, "04", 4,  "FFFF00", "bright yellow",  0xFFFF00, 0xFFFF00, "bright yellow"),
    detail::swatch(5, "05", 5,  "0000FF", "bright blue",    0x0000FF, 0x0000FF, "bright blue"),
    detail::swatch(6, "06", 6,  "FF00FF", "pink",           0xFF00FF, 0xFF00FF, "pink"),
    detail::swatch(7, "07", 7,  "00FFFF", "bight blue",     0x00FFFF, 0x00FFFF, "bright cyan"),
    detail::swatch(8, "08", 8,  "000000", "black",          0x000000, 0x000000, "black"),
    detail::swatch(9, "10", 26, "702D07", "brown",          0x804000, 0x702F00, "brown"),
    detail::swatch(10, "11", 11, "7F0000", "red ",          0x800000, 0x7F0000, "red"),
    detail::swatch(11, "12", 12, "007F00", "green",         0x008000, 0x007F00, "green"),
    detail::swatch(12, "14", 14, "007F7F", "yellow green",  0x808000, 0x7F7F00, "yellow green"),
    detail::swatch(13, "15", 15, "00007F", "blue",          0x000080, 0x00007F, "blue"),
    detail::swatch(14, "16", 16, "564D28", "yellow grey",   0x666328, 0x504F2F, "yellow grey"),
    detail::swatch(15, "17", 17, "4C5E36", "green grey",    0x616530, 0x4F5F30, "green grey"),
    detail::swatch(16, "18", 18, "370B65", "aqua grey",     0x008080, 0x306F60, "aqua grey"),
    detail::swatch(17, "19", 19, "005572", "navy blue",     0x4B5BE9, 0x005770, "navy blue"),
    detail::swatch(18, "20", 20, "54647E", "purple grey",   0x8994F1, 0x50677F, "purple grey"),
    detail::swatch(19, "21", 21, "1E2A63", "dark purple",   0x5502A8, 0x1F2860, "dark purple"),
    detail::swatch(20, "22", 22, "66097B", "purple",        0x800080, 0x60087F, "purple"),
    detail::swatch(21, "23", 23, "705E61", "ash purple",    0xB9B593, 0x705F60, "ash purple"),
    detail::swatch(22, "24", 24, "980053", "red purple",    0xCD2B07, 0x9F0050, "red purple"),
    detail::swatch(23, "25", 25, "960018", "brick red",     0xC04000, 0x90001F, "brick red"),
    detail::swatch(24, "26", 26, "702D07", "light brown",   0x800000, 0x702F00, "light brown"),
    detail::swatch(25, "27", 27, "54492A", "ash yello grey", 0x886A48, 0x50482F, "ash yellow grey"),
    detail::swatch(26, "28", 28, "61A997", "light aqua",    0x00C0C0, 0x60A890, "light aqua"),
    detail::swatch(27, "29", 29, "CB8F39", "grey orange",   0xF2BD59, 0xCF8F3F, "grey orange"),
    detail::swatch(28, "30", 30, "CF8316", "light orange",  0xEAA626, 0xCF8010, "light orange"),
    detail::swatch(29, "31", 31, "FF8020", "orange",        0xEE911E, 0xFF8020, "orange"),
}};
// clang-format on

} // namespace tintforge
