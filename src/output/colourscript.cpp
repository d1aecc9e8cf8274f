// SPDX-License-Identifier: MIT
#include "colourscript.h"

#include "colourchart.h"
#include "model/composition.h"

namespace tintforge {

namespace {

void appendCoded(std::string &line, const Segment &segment)
{
    line += segment.colourCode();
    line += segment.text();
}

} // namespace

std::string renderColourScript(const Composition &c)
{
    std::string script;
    script.reserve(1500);

    script.append(ScriptHeader).append(LineEnd);

    script += Composition::Start;
    if (c.clanSwitch())
        appendCoded(script, c.segment(SegmentId::Clan));
    appendCoded(script, c.segment(SegmentId::Name));
    appendCoded(script, c.segment(SegmentId::Name2));
    script.append(Composition::Ends).append(LineEnd);

    // The chart ends with its own line end; one more leaves an empty line after it.
    script.append(ColourChart()).append(LineEnd);

    script += Composition::Start2;
    appendCoded(script, c.segment(SegmentId::Host));
    script.append(Composition::Ends).append(LineEnd);

    script += Composition::Start3;
    appendCoded(script, c.segment(SegmentId::Mess));
    script.append(Composition::Ends).append(LineEnd);

    script.append(ScriptHeader).append(LineEnd);
    return script;
}

} // namespace tintforge
