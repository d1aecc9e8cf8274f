// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tintforge {

// The 64 special characters: codes 192 (À) to 255 (ÿ) of the 8-bit code page, in order.
inline constexpr std::array<char, 64> GlyphList = [] {
    std::array<char, 64> glyphs{};
    for (std::size_t n = 0; n < glyphs.size(); ++n)
        glyphs[n] = static_cast<char>(192 + n);
    return glyphs;
}();

// The first glyph, À: what the window's glyph box shows at start and after every append.
inline constexpr std::string_view FirstGlyph{&GlyphList[0], 1};

} // namespace tintforge
