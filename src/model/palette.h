// SPDX-License-Identifier: MIT
#pragma once

#include "chartlines.h"
#include "rgb.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tintforge {

// One colour swatch of the palette row: the colour code it writes into the script, the colour the
// segment's text turns to, and the name of its chart line. (The colour of its
// square in the window is the window's business.)
struct Swatch {
    int position; // from 1, left to right
    char code;
    Rgb preview;
    std::string_view chartName;
};

// The swatch at position n writes the code of chart line n and is named after it.
constexpr Swatch swatchOf(int position, std::uint32_t preview)
{
    const ChartLine &line = ChartLines[static_cast<std::size_t>(position - 1)];
    return {position, line.code, Rgb::fromHex(preview), line.name};
}

// Codes 9, 10 and 13 come from no swatch; code 26 comes from two (positions 9 and 24).
inline constexpr std::array<Swatch, ChartLines.size()> Palette{{
    swatchOf(1, 0xFFFFFF),  swatchOf(2, 0xFF0000),  swatchOf(3, 0x00FF00),  swatchOf(4, 0xFFFF00),
    swatchOf(5, 0x0000FF),  swatchOf(6, 0xFF00FF),  swatchOf(7, 0x00FFFF),  swatchOf(8, 0x000000),
    swatchOf(9, 0x804000),  swatchOf(10, 0x800000), swatchOf(11, 0x008000), swatchOf(12, 0x808000),
    swatchOf(13, 0x000080), swatchOf(14, 0x666328), swatchOf(15, 0x616530), swatchOf(16, 0x008080),
    swatchOf(17, 0x4B5BE9), swatchOf(18, 0x8994F1), swatchOf(19, 0x5502A8), swatchOf(20, 0x800080),
    swatchOf(21, 0xB9B593), swatchOf(22, 0xCD2B07), swatchOf(23, 0xC04000), swatchOf(24, 0x800000),
    swatchOf(25, 0x886A48), swatchOf(26, 0x00C0C0), swatchOf(27, 0xF2BD59), swatchOf(28, 0xEAA626),
    swatchOf(29, 0xEE911E),
}};

} // namespace tintforge
