// SPDX-License-Identifier: MIT
#include "composition.h"

#include <algorithm>
#include <utility>

namespace tintforge {

namespace {

template <std::size_t... I>
std::array<Segment, sizeof...(I)> makeSegments(std::index_sequence<I...>)
{
    return {Segment(SegmentKinds[I])...};
}

} // namespace

Composition::Composition()
    : m_segments(makeSegments(std::make_index_sequence<SegmentKinds.size()>()))
{}

const Segment *Composition::findSegment(std::string_view key) const
{
    const auto it = std::find_if(m_segments.begin(), m_segments.end(),
                                 [key](const Segment &s) { return s.key() == key; });
    return it == m_segments.end() ? nullptr : &*it;
}

Segment *Composition::mutableSegment(std::string_view key)
{
    return const_cast<Segment *>(std::as_const(*this).findSegment(key));
}

void Composition::selectSegment(std::string_view key)
{
    m_activeKey = key;
}

void Composition::setClanSwitch(bool on)
{
    m_clanSwitch = on;
    if (!on)
        m_segments[static_cast<std::size_t>(SegmentId::Clan)].setText({});
}

void Composition::applyColour(char code, PreviewColour preview)
{
    if (!isColourCode(code))
        return;
    if (Segment *segment = activeSegment())
        segment->setColour(code, preview);
}

void Composition::appendToActive(std::string_view text)
{
    if (Segment *segment = activeSegment())
        segment->append(text);
}

void Composition::setSegmentText(std::string_view key, std::string_view text)
{
    Segment *target = mutableSegment(key);
    if (!target ||
        (!m_clanSwitch && target == &m_segments[static_cast<std::size_t>(SegmentId::Clan)]))
        return;
    target->setText(text);
}

} // namespace tintforge
