// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tintforge {

// The special characters: the codes from À to ÿ of the 8-bit code page, in order.
inline constexpr int FirstGlyphCode = 192; // À
inline constexpr int LastGlyphCode = 255;  // ÿ
inline constexpr std::array<char, LastGlyphCode - FirstGlyphCode + 1> GlyphList = [] {
    std::array<char, LastGlyphCode - FirstGlyphCode + 1> glyphs{};
    for (std::size_t n = 0; n < glyphs.size(); ++n)
        glyphs[n] = static_cast<char>(FirstGlyphCode + int(n));
    return glyphs;
}();

// The first glyph, À: what the window's glyph box shows at start and after every append.
inline constexpr std::string_view FirstGlyph{&GlyphList[0], 1};

} // namespace tintforge
