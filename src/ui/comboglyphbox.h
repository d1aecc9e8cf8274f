// SPDX-License-Identifier: MIT
#pragma once

#include "model/glyphlist.h"

class QComboBox;

namespace tintforge {

// The glyph box as the model sees it, backed by the window's drop-down box.
class ComboGlyphBox : public GlyphBox
{
public:
    explicit ComboGlyphBox(QComboBox *combo) : m_combo(combo) {}

    std::string text() const override;
    void setText(std::string_view text) override;
    // Adding never chooses an entry or changes the box's text.
    void addEntry(std::string_view entry) override;

private:
    QComboBox *m_combo;
};

} // namespace tintforge
