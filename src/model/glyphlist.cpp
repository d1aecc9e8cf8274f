// SPDX-License-Identifier: MIT
#include "glyphlist.h"

#include "composition.h"

namespace tintforge {

void fillGlyphList(GlyphBox &box)
{
    for (const char &glyph : GlyphList)
        box.addEntry(std::string_view(&glyph, 1));
}

void appendGlyph(Composition &composition, GlyphBox &box)
{
    composition.appendToActive(box.text());
    box.setText(FirstGlyph);
}

} // namespace tintforge
