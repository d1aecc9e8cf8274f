// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tintforge {

class Composition;

// The 64 special characters: codes 192 (À) to 255 (ÿ) of the 8-bit code page, in order.
inline constexpr std::array<char, 64> GlyphList = [] {
    std::array<char, 64> glyphs{};
    for (std::size_t n = 0; n < glyphs.size(); ++n)
        glyphs[n] = static_cast<char>(192 + n);
    return glyphs;
}();

// What the glyph box shows at start and after every append: À.
inline constexpr std::string_view FirstGlyph{&GlyphList[0], 1};

// The editable drop-down the user picks glyphs from. Text is in the 8-bit code page; the box
// may hold any text the user typed, not just one glyph.
class GlyphBox
{
public:
    virtual ~GlyphBox() = default;
    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
    virtual void addEntry(std::string_view entry) = 0;
};

// Adds the 64 glyphs to the box's list in order; its text stays as it is.
void fillGlyphList(GlyphBox &box);

// Appends the box's text to the active segment and puts the box back to À, whatever happened.
void appendGlyph(Composition &composition, GlyphBox &box);

} // namespace tintforge
