// SPDX-License-Identifier: MIT
#include "segment.h"

namespace tintforge {

std::string refusedBytes(const SegmentKind &kind, std::string_view text)
{
    std::string refused;
    for (const char byte : text) {
        if (!takesByte(kind, byte) && refused.find(byte) == std::string::npos)
            refused.push_back(byte);
    }
    return refused;
}

Segment::Segment(const SegmentKind &kind) : m_kind(&kind) {}

void Segment::setText(std::string_view text)
{
    m_text.clear();
    append(text);
}

void Segment::append(std::string_view text)
{
    for (const char byte : text) {
        if (m_text.size() >= m_kind->maxLength)
            break;
        if (takesByte(*m_kind, byte))
            m_text.push_back(byte);
    }
}

void Segment::setColour(char code, PreviewColour preview)
{
    m_colourCode = code;
    m_previewColour = preview;
}

} // namespace tintforge
