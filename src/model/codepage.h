// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

namespace tintforge {

// Segment texts are bytes of the game's 8-bit code page, Windows-1252; in the glyph range
// (192 to 255) it equals Latin-1. This is the one rule for which bytes a text may hold.

// The characters of bytes 0x80 to 0x9F; zero where Windows-1252 defines none.
inline constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The character a byte stands for in a text, or zero when it stands for none. Control codes
// (0 to 31 and 127) are none: they would end a script line early or smuggle in a colour switch
// the user never chose.
constexpr char16_t characterOfByte(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    if (code < 0x20 || code == 0x7F)
        return 0;
    if (code >= 0x80 && code < 0xA0)
        return HighControlRange[code - 0x80];
    return code;
}

// The byte for a character, or zero when no byte of a text stands for it.
constexpr char byteOfCharacter(char16_t c)
{
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return 0;
}

// Whether a byte can stand in a segment text.
constexpr bool isTextByte(char byte)
{
    return characterOfByte(byte) != 0;
}

} // namespace tintforge
