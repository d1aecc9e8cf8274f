// SPDX-License-Identifier: MIT
#pragma once

#include "rgb.h"

#include <array>
#include <string_view>

namespace tintforge {

// One colour swatch of the palette row: the colour code it writes into the script, the colour the
// segment's text turns to, and the name of the chart line with the same code. (The colour of its
// square in the window is the window's business.)
struct Swatch {
    int position; // 1 to 29, left to right
    char code;
    Rgb preview;
    std::string_view chartName;
};

// Codes 9, 10 and 13 come from no swatch; code 26 comes from two (positions 9 and 24).
inline constexpr std::array<Swatch, 29> Palette{{
    {1, 0x01, Rgb::fromHex(0xFFFFFF), "bright white"},
    {2, 0x02, Rgb::fromHex(0xFF0000), "bright red"},
    {3, 0x03, Rgb::fromHex(0x00FF00), "bright green"},
    {4, 0x04, Rgb::fromHex(0xFFFF00), "bright yellow"},
    {5, 0x05, Rgb::fromHex(0x0000FF), "bright blue"},
    {6, 0x06, Rgb::fromHex(0xFF00FF), "pink"},
    {7, 0x07, Rgb::fromHex(0x00FFFF), "bight blue"},
    {8, 0x08, Rgb::fromHex(0x000000), "black"},
    {9, 0x1A, Rgb::fromHex(0x804000), "brown"},
    {10, 0x0B, Rgb::fromHex(0x800000), "red "},
    {11, 0x0C, Rgb::fromHex(0x008000), "green"},
    {12, 0x0E, Rgb::fromHex(0x808000), "yellow green"},
    {13, 0x0F, Rgb::fromHex(0x000080), "blue"},
    {14, 0x10, Rgb::fromHex(0x666328), "yellow grey"},
    {15, 0x11, Rgb::fromHex(0x616530), "green grey"},
    {16, 0x12, Rgb::fromHex(0x008080), "aqua grey"},
    {17, 0x13, Rgb::fromHex(0x4B5BE9), "navy blue"},
    {18, 0x14, Rgb::fromHex(0x8994F1), "purple grey"},
    {19, 0x15, Rgb::fromHex(0x5502A8), "dark purple"},
    {20, 0x16, Rgb::fromHex(0x800080), "purple"},
    {21, 0x17, Rgb::fromHex(0xB9B593), "ash purple"},
    {22, 0x18, Rgb::fromHex(0xCD2B07), "red purple"},
    {23, 0x19, Rgb::fromHex(0xC04000), "brick red"},
    {24, 0x1A, Rgb::fromHex(0x800000), "light brown"},
    {25, 0x1B, Rgb::fromHex(0x886A48), "ash yello grey"},
    {26, 0x1C, Rgb::fromHex(0x00C0C0), "light aqua"},
    {27, 0x1D, Rgb::fromHex(0xF2BD59), "grey orange"},
    {28, 0x1E, Rgb::fromHex(0xEAA626), "light orange"},
    {29, 0x1F, Rgb::fromHex(0xEE911E), "orange"},
}};

} // namespace tintforge
