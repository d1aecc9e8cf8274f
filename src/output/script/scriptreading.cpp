// SPDX-License-Identifier: MIT
#include "scriptreading.h"

#include "lines.h"
#include "model/codepage.h"
#include "model/palette.h"
#include "scriptrendering.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tintforge {

namespace {

// The three lines a script's segments stand in, and the segments of each, in order.
struct SettingLine {
    ScriptLine line;
    std::string_view prefix;
    std::vector<SegmentId> segments;
};

const std::array<SettingLine, 3> &settingLines()
{
    static const std::array<SettingLine, 3> lines{{
        {ScriptLine::Name, NameLinePrefix, {SegmentId::Clan, SegmentId::Name, SegmentId::Name2}},
        {ScriptLine::Host, HostLinePrefix, {SegmentId::Host}},
        {ScriptLine::Message, MessageLinePrefix, {SegmentId::Mess}},
    }};
    return lines;
}

// The preview of the first swatch that writes `code`; none for a code no swatch writes (the
// code every segment starts with, or one a caller of the model chose), as the segment had it.
PreviewColour previewOfCode(char code)
{
    const auto swatch = std::find_if(Palette.begin(), Palette.end(),
                                     [code](const Swatch &s) { return s.code == code; });
    return swatch != Palette.end() ? PreviewColour(swatch->preview) : std::nullopt;
}

// The script's lines, each without its line end: CR LF as Make writes them, or LF alone as an
// editor may add them; the last may have none, as the game reads it. Nothing when the bytes hold
// a NUL, as no text does, or a carriage return that ends no line, since the game would read
// that line otherwise than it shows in an editor.
Result<std::vector<std::string_view>, ScriptRefusal> linesOf(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return ScriptRefusal::NulBytes;
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find('\r') != std::string_view::npos)
            return ScriptRefusal::LoneCarriageReturn;
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

// One coded piece of a line: its colour code and its text.
struct CodedText {
    char code;
    std::string_view text;
};

// The coded pieces between a line's quotes; nothing when it does not start with a code.
std::optional<std::vector<CodedText>> codedTexts(std::string_view content)
{
    if (content.empty() || !isColourCode(content.front()))
        return std::nullopt;
    std::vector<CodedText> pieces;
    for (std::size_t at = 0; at < content.size();) {
        std::size_t end = at + 1;
        while (end < content.size() && !isColourCode(content[end]))
            ++end;
        pieces.push_back({content[at], content.substr(at + 1, end - at - 1)});
        at = end;
    }
    return pieces;
}

class Reader
{
public:
    explicit Reader(std::vector<std::string_view> lines) : m_lines(std::move(lines)) {}

    ScriptContents read()
    {
        for (const SettingLine &line : settingLines())
            readLine(line);
        return std::move(m_read);
    }

    bool foundAnyLine() const { return m_found; }

private:
    void readLine(const SettingLine &line)
    {
        std::vector<std::string_view> matches;
        for (const std::string_view text : m_lines) {
            if (text.substr(0, line.prefix.size()) == line.prefix)
                matches.push_back(text.substr(line.prefix.size()));
        }
        if (matches.empty())
            return unread(line, Unread::Missing);
        m_found = true;
        if (matches.size() > 1)
            return unread(line, Unread::Repeated);
        std::string_view content = matches.front();
        if (content.empty() || content.back() != LineClosingQuote.front())
            return unread(line, Unread::Unclosed);
        content.remove_suffix(1);
        const std::optional<std::vector<CodedText>> pieces = codedTexts(content);
        if (!pieces)
            return unread(line, Unread::Uncoded);
        std::vector<SegmentId> segments = line.segments;
        // The name line leaves out the clan's code and text when the clan switch is off.
        if (segments.size() == 3 && pieces->size() == 2) {
            m_read.composition.setClanSwitch(false);
            segments.erase(segments.begin());
        }
        if (pieces->size() > segments.size())
            return unread(line, Unread::MoreCodes);
        if (pieces->size() < segments.size())
            return unread(line, Unread::FewerCodes);
        for (std::size_t i = 0; i < segments.size(); ++i)
            readSegment(line, segments[i], (*pieces)[i]);
    }

    void readSegment(const SettingLine &line, SegmentId id, const CodedText &piece)
    {
        const bool tooLong = piece.text.size() > segmentKind(id).maxLength;
        if (tooLong || !std::all_of(piece.text.begin(), piece.text.end(), isTextByte)) {
            m_read.unread.push_back(
                {line.line, id, tooLong ? Unread::TooLong : Unread::FieldsRefuse, {}, {id}});
            return;
        }
        m_read.composition.setSegmentColour(id, piece.code, previewOfCode(piece.code));
        m_read.composition.setSegmentText(id, piece.text);
        // The rest of the text is kept; only what the game would not take is left out.
        const std::string refused = refusedBytes(segmentKind(id), piece.text);
        if (!refused.empty())
            m_read.unread.push_back({line.line, id, Unread::GameRefuses, refused, {}});
    }

    void unread(const SettingLine &line, Unread why)
    {
        m_read.unread.push_back({line.line, std::nullopt, why, {}, line.segments});
    }

    std::vector<std::string_view> m_lines;
    ScriptContents m_read;
    bool m_found = false;
};

} // namespace

namespace {

// The file's lines, other than the name, host and message lines, that are not among the lines
// Make writes for what was read; each line Make writes matches one line of the file.
std::vector<std::string> linesNotKept(const std::vector<std::string_view> &file,
                                      const Composition &read)
{
    const std::string script = renderColourScript(read);
    std::vector<std::string_view> written = *linesOf(script);
    std::vector<std::string> notKept;
    for (const std::string_view line : file) {
        const bool settingLine =
            std::any_of(settingLines().begin(), settingLines().end(), [line](const auto &s) {
                return line.substr(0, s.prefix.size()) == s.prefix;
            });
        const auto match = std::find(written.begin(), written.end(), line);
        if (match != written.end())
            written.erase(match);
        else if (!settingLine)
            notKept.emplace_back(line);
    }
    return notKept;
}

} // namespace

Result<ScriptContents, ScriptRefusal> readColourScript(std::string_view bytes)
{
    if (bytes.empty())
        return ScriptRefusal::Empty;
    Result<std::vector<std::string_view>, ScriptRefusal> lines = linesOf(bytes);
    if (!lines)
        return lines.error();
    Reader reader(*lines);
    ScriptContents read = reader.read();
    if (!reader.foundAnyLine())
        return ScriptRefusal::NoSettingLine;
    read.notKept = linesNotKept(*lines, read.composition);
    return read;
}

} // namespace tintforge
