// SPDX-License-Identifier: MIT
#include "composition.h"

#include <utility>

namespace tintforge {

namespace {

template <std::size_t... I> PerSegment<Segment> makeSegments(std::index_sequence<I...>)
{
    return {{Segment(SegmentKinds[I])...}};
}

} // namespace

Composition::Composition()
    : m_segments(makeSegments(std::make_index_sequence<SegmentKinds.size()>()))
{}

void Composition::setClanSwitch(bool on)
{
    m_clanSwitch = on;
    if (!on)
        m_segments[SegmentId::Clan].setText({});
}

void Composition::applyColour(char code, PreviewColour preview)
{
    setSegmentColour(m_active, code, preview);
}

void Composition::setSegmentColour(SegmentId id, char code, PreviewColour preview)
{
    if (isColourCode(code))
        m_segments[id].setColour(code, preview);
}

void Composition::appendToActive(std::string_view text)
{
    active().append(text);
}

void Composition::setSegmentText(SegmentId id, std::string_view text)
{
    if (id == SegmentId::Clan && !m_clanSwitch)
        return;
    m_segments[id].setText(text);
}

} // namespace tintforge
