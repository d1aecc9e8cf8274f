// SPDX-License-Identifier: MIT
#include "scriptreading.h"

#include "lines.h"
#include "model/codepage.h"
#include "model/palette.h"
#include "scriptwriting.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

namespace tintforge {

namespace {

// The three lines a script's segments stand in, and the segments of each, in order.
struct SettingLine {
    const char *word;
    std::string_view prefix;
    std::vector<SegmentId> segments;
};

const std::array<SettingLine, 3> &settingLines()
{
    static const std::array<SettingLine, 3> lines{{
        {"name", NameLinePrefix, {SegmentId::Clan, SegmentId::Name, SegmentId::Name2}},
        {"host", HostLinePrefix, {SegmentId::Host}},
        {"message", MessageLinePrefix, {SegmentId::Mess}},
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
Result<std::vector<std::string_view>, QString> linesOf(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return QStringLiteral("it holds NUL bytes, as no text file does");
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find('\r') != std::string_view::npos)
            return QStringLiteral("a carriage return in it ends no line, as in the lines a "
                                  "colour script holds");
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

// A segment's bytes as the code page shows them, one after another with a space between.
QString shownBytes(std::string_view bytes)
{
    QStringList shown;
    for (const char byte : bytes)
        shown << QString(QChar(characterOfByte(byte)));
    return shown.join(u' ');
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
            return unread(line, QStringLiteral("is missing"));
        m_found = true;
        if (matches.size() > 1)
            return unread(line, QStringLiteral("appears more than once"));
        std::string_view content = matches.front();
        if (content.empty() || content.back() != LineClosingQuote.front())
            return unread(line, QStringLiteral("does not end with a quote"));
        content.remove_suffix(1);
        const std::optional<std::vector<CodedText>> pieces = codedTexts(content);
        if (!pieces)
            return unread(line, QStringLiteral("does not start with a colour code"));
        std::vector<SegmentId> segments = line.segments;
        // The name line leaves out the clan's code and text when the clan switch is off.
        if (segments.size() == 3 && pieces->size() == 2) {
            m_read.composition.setClanSwitch(false);
            segments.erase(segments.begin());
        }
        if (pieces->size() > segments.size())
            return unread(line, QStringLiteral("holds more colour codes than segments"));
        if (pieces->size() < segments.size())
            return unread(line, QStringLiteral("holds fewer colour codes than segments"));
        for (std::size_t i = 0; i < segments.size(); ++i)
            readSegment(line, segments[i], (*pieces)[i]);
    }

    void readSegment(const SettingLine &line, SegmentId id, const CodedText &piece)
    {
        const QString what =
            QStringLiteral("The %1 line's %2")
                .arg(QLatin1StringView(line.word), QLatin1StringView(segmentKind(id).words));
        QString why;
        if (piece.text.size() > segmentKind(id).maxLength)
            why = QStringLiteral("is longer than %1 characters").arg(segmentKind(id).maxLength);
        else if (!std::all_of(piece.text.begin(), piece.text.end(), isTextByte))
            why = QStringLiteral("holds a character the fields do not take");
        if (!why.isEmpty()) {
            m_read.unread.push_back({what, why, {id}});
            return;
        }
        m_read.composition.setSegmentColour(id, piece.code, previewOfCode(piece.code));
        m_read.composition.setSegmentText(id, piece.text);
        // The rest of the text is kept; only what the game would not take is left out.
        const std::string refused = refusedBytes(segmentKind(id), piece.text);
        if (!refused.empty())
            m_read.unread.push_back({what,
                                     QStringLiteral("holds %1, which the game does not take "
                                                    "there; left out")
                                         .arg(shownBytes(refused)),
                                     {}});
    }

    void unread(const SettingLine &line, const QString &why)
    {
        m_read.unread.push_back(
            {QStringLiteral("The %1 line").arg(QLatin1StringView(line.word)), why, line.segments});
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

Result<ScriptContents, QString> readColourScript(std::string_view bytes)
{
    if (bytes.empty())
        return QStringLiteral("the file is empty");
    Result<std::vector<std::string_view>, QString> lines = linesOf(bytes);
    if (!lines)
        return lines.error();
    Reader reader(*lines);
    ScriptContents read = reader.read();
    if (!reader.foundAnyLine())
        return QStringLiteral("it holds no name, host name or welcome message line");
    read.notKept = linesNotKept(*lines, read.composition);
    return read;
}

} // namespace tintforge
