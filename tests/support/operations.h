// SPDX-License-Identifier: MIT
#pragma once

// Drives a composition with operations decoded from a stream of bytes, and checks everything
// that must hold afterwards. Shared by the seeded property test and the libFuzzer target.

#include "model/composition.h"
#include "model/glyphlist.h"
#include "model/palette.h"
#include "output/game/open.h"
#include "output/script/colourchart.h"
#include "output/script/lines.h"
#include "output/script/scriptreading.h"
#include "output/script/scriptrendering.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintforge::testing {

// Reads the stream; past its end every read is zero.
class ByteStream
{
public:
    ByteStream(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string bytes(std::size_t count)
    {
        std::string s;
        for (std::size_t i = 0; i < count && !atEnd(); ++i)
            s.push_back(static_cast<char>(next()));
        return s;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

inline SegmentId anySegment(ByteStream &in)
{
    return SegmentId(in.next() % SegmentKinds.size());
}

// Applies one operation; the glyph box text is kept by the caller between operations.
inline void applyNextOperation(Composition &c, std::string &glyphBoxText, ByteStream &in)
{
    switch (in.next() % 7) {
    case 0:
        c.selectSegment(anySegment(in));
        break;
    case 1:
        c.setClanSwitch(in.next() & 1);
        break;
    case 2: {
        const Swatch &swatch = Palette[in.next() % Palette.size()];
        c.applyColour(swatch.code, swatch.preview);
        break;
    }
    case 3: // any code at all, as a careless caller might pass
        c.applyColour(static_cast<char>(in.next()), std::nullopt);
        break;
    case 4:
        c.appendToActive(in.bytes(in.next() % 40));
        break;
    case 5: {
        const SegmentId segment = anySegment(in);
        c.setSegmentText(segment, in.bytes(in.next() % 40));
        break;
    }
    default: {
        const std::uint8_t choice = in.next();
        if (choice & 0x80)
            glyphBoxText = in.bytes(choice % 4);
        else
            glyphBoxText.assign(1, GlyphList[choice % GlyphList.size()]);
        c.appendToActive(glyphBoxText);
        glyphBoxText.assign(
            1, FirstGlyph.front()); // (count, char): GCC 12 misreads a view copy at -O3
        break;
    }
    }
}

// Empty when everything holds, else what broke.
inline std::string brokenInvariant(const Composition &c)
{
    std::size_t expectedSize = 2 * (ScriptHeader.size() + 2) + colourChart().size() + 2;
    expectedSize += NameLinePrefix.size() + LineClosingQuote.size() + 2;
    expectedSize += HostLinePrefix.size() + LineClosingQuote.size() + 2;
    expectedSize += MessageLinePrefix.size() + LineClosingQuote.size() + 2;
    for (const SegmentId id : SegmentIds) {
        const Segment &s = c.segment(id);
        const std::string key(segmentKind(id).key);
        if (s.text().size() > s.maxLength())
            return "text longer than its limit in " + key;
        if (!refusedBytes(segmentKind(id), s.text()).empty())
            return "a byte the game refuses in the text of " + key;
        if (!isColourCode(s.colourCode()))
            return "no valid colour code in " + key;
        if (id != SegmentId::Clan || c.clanSwitch())
            expectedSize += 1 + s.text().size();
    }

    const std::string script = renderColourScript(c);
    if (script.size() != expectedSize)
        return "script is " + std::to_string(script.size()) + " bytes, not " +
               std::to_string(expectedSize);
    const auto count = [&script](char ch) { return std::count(script.begin(), script.end(), ch); };
    std::size_t lineEnds = 0;
    for (std::size_t at = script.find("\r\n"); at != std::string::npos;
         at = script.find("\r\n", at + 2))
        ++lineEnds;
    if (lineEnds != 35 || count('\n') != 35 || count('\r') != 35)
        return "script does not have exactly 35 CR LF lines";
    const std::string header = std::string(ScriptHeader) + "\r\n";
    if (script.compare(0, header.size(), header) != 0 ||
        script.compare(script.size() - header.size(), header.size(), header) != 0)
        return "header is not the first and last line";
    return {};
}

// Empty when the script of `c` reads back whole and makes the very same bytes again, else what
// broke.
inline std::string brokenRoundTrip(const Composition &c)
{
    const std::string script = renderColourScript(c);
    const auto read = readColourScript(script);
    if (!read)
        return "script not read back: refusal " + std::to_string(int(read.error()));
    if (!read->unread.empty())
        return "script read back in part: line " + std::to_string(int(read->unread.front().line)) +
               ", unread " + std::to_string(int(read->unread.front().why));
    if (renderColourScript(read->composition) != script)
        return "script read back makes other bytes";
    return {};
}

} // namespace tintforge::testing
