// SPDX-License-Identifier: MIT
#include "segment.h"

namespace tintforge {

Segment::Segment(const SegmentKind &kind) : m_maxLength(kind.maxLength) {}

void Segment::setText(std::string_view text)
{
    m_text.clear();
    append(text);
}

void Segment::append(std::string_view text)
{
    for (const char byte : text) {
        if (m_text.size() >= m_maxLength)
            break;
        if (isTextByte(byte))
            m_text.push_back(byte);
    }
}

void Segment::setColour(char code, PreviewColour preview)
{
    m_colourCode = code;
    m_previewColour = preview;
}

} // namespace tintforge
