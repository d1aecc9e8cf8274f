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

    void selectSegment(SegmentId id) { m_active = id; }
    // Switching off empties the clan text; the clan colour and the active segment stay.
    void setClanSwitch(bool on);
    // Colours the active segment; ignored when the code is no colour code.
    void applyColour(char code, PreviewColour preview);
    // The same for the segment `id`, whichever is active (a script read back).
    void setSegmentColour(SegmentId id, char code, PreviewColour preview);
    void appendToActive(std::string_view text);
    // The user's editing of a field; the switched-off clan field takes no typing.
    void setSegmentText(SegmentId id, std::string_view text);

    SegmentId activeSegment() const { return m_active; }
    bool clanSwitch() const { return m_clanSwitch; }
    const std::array<Segment, SegmentKinds.size()> &segments() const { return m_segments.items; }
    const Segment &segment(SegmentId id) const { return m_segments[id]; }

    friend bool operator==(const Composition &, const Composition &) = default;

private:
    Segment &active() { return m_segments[m_active]; }

    PerSegment<Segment> m_segments;
    bool m_clanSwitch = true;
    SegmentId m_active = SegmentId::Clan;
};

} // namespace tintforge
