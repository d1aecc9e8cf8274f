// SPDX-License-Identifier: MIT
#include "scriptrendering.h"

#include "colourchart.h"
#include "lines.h"
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

    script += NameLinePrefix;
    if (c.clanSwitch())
        appendCoded(script, c.segment(SegmentId::Clan));
    appendCoded(script, c.segment(SegmentId::Name));
    appendCoded(script, c.segment(SegmentId::Name2));
    script.append(LineClosingQuote).append(LineEnd);

    // The chart ends with its own line end; one more leaves an empty line after it.
    script.append(colourChart()).append(LineEnd);

    script += HostLinePrefix;
    appendCoded(script, c.segment(SegmentId::Host));
    script.append(LineClosingQuote).append(LineEnd);

    script += MessageLinePrefix;
    appendCoded(script, c.segment(SegmentId::Mess));
    script.append(LineClosingQuote).append(LineEnd);

    script.append(ScriptHeader).append(LineEnd);
    return script;
}

} // namespace tintforge
