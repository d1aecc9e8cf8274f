// SPDX-License-Identifier: MIT
#pragma once

#include "model/palette.h"
#include "model/rgb.h"

#include <array>

namespace tintforge {

// The colour of each swatch's square in the palette strip, by palette position. It is not the
// colour the text turns to (the swatch's preview): neither follows from the other, and positions
// 9 and 24 show the same square for different previews.
inline constexpr std::array<Rgb, Palette.size()> SwatchColours{{
    Rgb::fromHex(0xFFFFFF), Rgb::fromHex(0xFF0000), Rgb::fromHex(0x00FF00), Rgb::fromHex(0xFFFF00),
    Rgb::fromHex(0x0000FF), Rgb::fromHex(0xFF00FF), Rgb::fromHex(0x00FFFF), Rgb::fromHex(0x000000),
    Rgb::fromHex(0x702F00), Rgb::fromHex(0x7F0000), Rgb::fromHex(0x007F00), Rgb::fromHex(0x7F7F00),
    Rgb::fromHex(0x00007F), Rgb::fromHex(0x504F2F), Rgb::fromHex(0x4F5F30), Rgb::fromHex(0x306F60),
    Rgb::fromHex(0x005770), Rgb::fromHex(0x50677F), Rgb::fromHex(0x1F2860), Rgb::fromHex(0x60087F),
    Rgb::fromHex(0x705F60), Rgb::fromHex(0x9F0050), Rgb::fromHex(0x90001F), Rgb::fromHex(0x702F00),
    Rgb::fromHex(0x50482F), Rgb::fromHex(0x60A890), Rgb::fromHex(0xCF8F3F), Rgb::fromHex(0xCF8010),
    Rgb::fromHex(0xFF8020),
}};

constexpr Rgb swatchColour(int position)
{
    return SwatchColours[std::size_t(position - 1)];
}

} // namespace tintforge
