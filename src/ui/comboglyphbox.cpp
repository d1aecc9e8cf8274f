// SPDX-License-Identifier: MIT
#include "comboglyphbox.h"

#include "output/codepage.h"

#include <QComboBox>

namespace tintforge {

std::string ComboGlyphBox::text() const
{
    return toCodePage(m_combo->currentText());
}

void ComboGlyphBox::setText(std::string_view text)
{
    m_combo->setEditText(fromCodePage(text));
}

void ComboGlyphBox::addEntry(std::string_view entry)
{
    // The first entry of an empty box would become the chosen one and replace the text.
    const QString text = m_combo->currentText();
    m_combo->addItem(fromCodePage(entry));
    if (m_combo->currentIndex() != -1) {
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(text);
    }
}

} // namespace tintforge
