// SPDX-License-Identifier: MIT
#pragma once

#include "segment.h"

#include <array>
#include <string_view>

namespace tintforge {

// What the user is building: five segments, the clan switch and the active segment that
// palette and glyph actions go to. Plain data; the window owns one and redraws after each call.
class Composition
{
public:
    Composition();

    void selectSegment(std::string_view key);
    void selectSegment(SegmentId id) { selectSegment(SegmentKinds[std::size_t(id)].key); }
    // Switching off empties the clan text; the clan colour and the active key stay.
    void setClanSwitch(bool on);
    // Ignored when the active key names no segment, or when the code is no colour code.
    void applyColour(char code, PreviewColour preview);
    void appendToActive(std::string_view text);
    // The user's editing of a field; the switched-off clan field takes no typing.
    void setSegmentText(std::string_view key, std::string_view text);
    void setSegmentText(SegmentId id, std::string_view text)
    {
        setSegmentText(SegmentKinds[std::size_t(id)].key, text);
    }

    const SegmentKey &activeKey() const { return m_activeKey; }
    bool clanSwitch() const { return m_clanSwitch; }
    bool isActive(SegmentId id) const { return m_activeKey == SegmentKinds[std::size_t(id)].key; }
    const std::array<Segment, SegmentKinds.size()> &segments() const { return m_segments; }
    const Segment &segment(SegmentId id) const { return m_segments[static_cast<std::size_t>(id)]; }
    // Null when no segment has this key.
    const Segment *findSegment(std::string_view key) const;

    friend bool operator==(const Composition &, const Composition &) = default;

private:
    Segment *mutableSegment(std::string_view key);
    Segment *activeSegment() { return mutableSegment(m_activeKey); }

    std::array<Segment, SegmentKinds.size()> m_segments;
    bool m_clanSwitch = true;
    SegmentKey m_activeKey{SegmentKinds[0].key};
};

} // namespace tintforge
