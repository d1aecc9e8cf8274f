// SPDX-License-Identifier: MIT
#pragma once

#include "rgb.h"

#include <array>
#include <string_view>

namespace tintforge {

// One colour swatch of the palette row. The preview is what the segment's text turns to; the
// swatch colour is what the square in the strip shows. Neither follows from the other.
struct Swatch {
    int position;           // 1 to 29, left to right
    std::string_view label; // the click area's control name; not in screen order
    char code;              // the colour code written into the script
    Rgb preview;
    Rgb swatchColour;
    std::string_view chartName; // the name of the chart line with the same code
};

// Codes 9, 10 and 13 come from no swatch; code 26 comes from two (positions 9 and 24).
inline constexpr std::array<Swatch, 29> Palette{{
    {1, "Label2", 0x01, Rgb::fromHex(0xFFFFFF), Rgb::fromHex(0xFFFFFF), "bright white"},
    {2, "Label3", 0x02, Rgb::fromHex(0xFF0000), Rgb::fromHex(0xFF0000), "bright red"},
    {3, "Label5", 0x03, Rgb::fromHex(0x00FF00), Rgb::fromHex(0x00FF00), "bright green"},
    {4, "Label4", 0x04, Rgb::fromHex(0xFFFF00), Rgb::fromHex(0xFFFF00), "bright yellow"},
    {5, "Label7", 0x05, Rgb::fromHex(0x0000FF), Rgb::fromHex(0x0000FF), "bright blue"},
    {6, "Label9", 0x06, Rgb::fromHex(0xFF00FF), Rgb::fromHex(0xFF00FF), "pink"},
    {7, "Label8", 0x07, Rgb::fromHex(0x00FFFF), Rgb::fromHex(0x00FFFF), "bight blue"},
    {8, "Label6", 0x08, Rgb::fromHex(0x000000), Rgb::fromHex(0x000000), "black"},
    {9, "Label17", 0x1A, Rgb::fromHex(0x804000), Rgb::fromHex(0x702F00), "brown"},
    {10, "Label16", 0x0B, Rgb::fromHex(0x800000), Rgb::fromHex(0x7F0000), "red "},
    {11, "Label14", 0x0C, Rgb::fromHex(0x008000), Rgb::fromHex(0x007F00), "green"},
    {12, "Label15", 0x0E, Rgb::fromHex(0x808000), Rgb::fromHex(0x7F7F00), "yellow green"},
    {13, "Label12", 0x0F, Rgb::fromHex(0x000080), Rgb::fromHex(0x00007F), "blue"},
    {14, "Label10", 0x10, Rgb::fromHex(0x666328), Rgb::fromHex(0x504F2F), "yellow grey"},
    {15, "Label11", 0x11, Rgb::fromHex(0x616530), Rgb::fromHex(0x4F5F30), "green grey"},
    {16, "Label13", 0x12, Rgb::fromHex(0x008080), Rgb::fromHex(0x306F60), "aqua grey"},
    {17, "Label18", 0x13, Rgb::fromHex(0x4B5BE9), Rgb::fromHex(0x005770), "navy blue"},
    {18, "Label19", 0x14, Rgb::fromHex(0x8994F1), Rgb::fromHex(0x50677F), "purple grey"},
    {19, "Label21", 0x15, Rgb::fromHex(0x5502A8), Rgb::fromHex(0x1F2860), "dark purple"},
    {20, "Label20", 0x16, Rgb::fromHex(0x800080), Rgb::fromHex(0x60087F), "purple"},
    {21, "Label23", 0x17, Rgb::fromHex(0xB9B593), Rgb::fromHex(0x705F60), "ash purple"},
    {22, "Label25", 0x18, Rgb::fromHex(0xCD2B07), Rgb::fromHex(0x9F0050), "red purple"},
    {23, "Label24", 0x19, Rgb::fromHex(0xC04000), Rgb::fromHex(0x90001F), "brick red"},
    {24, "Label22", 0x1A, Rgb::fromHex(0x800000), Rgb::fromHex(0x702F00), "light brown"},
    {25, "Label26", 0x1B, Rgb::fromHex(0x886A48), Rgb::fromHex(0x50482F), "ash yello grey"},
    {26, "Label28", 0x1C, Rgb::fromHex(0x00C0C0), Rgb::fromHex(0x60A890), "light aqua"},
    {27, "Label30", 0x1D, Rgb::fromHex(0xF2BD59), Rgb::fromHex(0xCF8F3F), "grey orange"},
    {28, "Label29", 0x1E, Rgb::fromHex(0xEAA626), Rgb::fromHex(0xCF8010), "light orange"},
    {29, "Label27", 0x1F, Rgb::fromHex(0xEE911E), Rgb::fromHex(0xFF8020), "orange"},
}};

} // namespace tintforge
