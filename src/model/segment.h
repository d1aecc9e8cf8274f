// SPDX-License-Identifier: MIT
#pragma once

#include "codepage.h"
#include "rgb.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tintforge {

// The five segments in their fixed order, with their names and the most characters each may
// hold. SegmentId names them in code, in the same order.
struct SegmentKind {
    std::string_view key;
    std::size_t maxLength;
    // As the program names the segment to its users, in messages and to screen readers.
    const char *words;
    // Whether the game keeps the text in a player or server information variable, which
    // refuses a whole value holding ';' or '\' ("invalid info cvar value").
    bool infoValue;
};

inline constexpr std::array<SegmentKind, 5> SegmentKinds{{
    {"clan", 7, "clan tag", true},
    {"name", 15, "name", true},
    {"name2", 15, "second name part", true},
    {"host", 25, "server host name", true},
    {"mess", 30, "server welcome message", false},
}};

enum class SegmentId { Clan, Name, Name2, Host, Mess };
inline constexpr std::array<SegmentId, SegmentKinds.size()> SegmentIds{
    SegmentId::Clan, SegmentId::Name, SegmentId::Name2, SegmentId::Host, SegmentId::Mess};

// Where a segment's id becomes its position in a table (SegmentKinds, PerSegment).
constexpr std::size_t segmentIndex(SegmentId id)
{
    return static_cast<std::size_t>(id);
}

constexpr const SegmentKind &segmentKind(SegmentId id)
{
    return SegmentKinds[segmentIndex(id)];
}

// One T for each segment, looked up by its id.
template <typename T> struct PerSegment {
    std::array<T, SegmentKinds.size()> items;

    constexpr T &operator[](SegmentId id) { return items[segmentIndex(id)]; }
    constexpr const T &operator[](SegmentId id) const { return items[segmentIndex(id)]; }
    friend bool operator==(const PerSegment &, const PerSegment &) = default;
};

// The code every segment starts with; the chart lists it as black.
inline constexpr char InitialColourCode = 0x08;

// Whether the game takes `byte` in a text of `kind`: a code page character (isTextByte), never a
// double quote, which ends the quoted value early in the game's console (and lets what follows
// a ';' run as commands), and no ';' or '\' in an information variable's value. The one rule
// for what a segment's text may hold, whichever way the text comes in.
constexpr bool takesByte(const SegmentKind &kind, char byte)
{
    if (!isTextByte(byte) || byte == '"')
        return false;
    return !kind.infoValue || (byte != ';' && byte != '\\');
}

// The bytes of `text` that a text of `kind` does not take, each once, in their order.
std::string refusedBytes(const SegmentKind &kind, std::string_view text);

// Whether some segment takes `byte`: what a text bound for any of them may hold.
constexpr bool takenByAnySegment(char byte)
{
    for (const SegmentKind &kind : SegmentKinds) {
        if (takesByte(kind, byte))
            return true;
    }
    return false;
}

// Whether a code can be a segment's colour code: 1 to 31, but never a line break.
constexpr bool isColourCode(char code)
{
    return code >= 1 && code <= 31 && code != '\n' && code != '\r';
}

// One coloured piece of the composition. Text is bytes of the game's 8-bit code page; the
// segment keeps its own invariants: never longer than its limit, only bytes the game takes in
// it (takesByte).
class Segment
{
public:
    explicit Segment(const SegmentKind &kind);

    std::size_t maxLength() const { return m_kind->maxLength; }
    const std::string &text() const { return m_text; }
    char colourCode() const { return m_colourCode; }
    const PreviewColour &previewColour() const { return m_previewColour; }

    // Replaces the text, leaving out what the game does not take and cutting what is beyond the
    // limit.
    void setText(std::string_view text);
    void append(std::string_view text);
    void setColour(char code, PreviewColour preview);

    friend bool operator==(const Segment &, const Segment &) = default;

private:
    const SegmentKind *m_kind;
    std::string m_text;
    char m_colourCode = InitialColourCode;
    PreviewColour m_previewColour;
};

} // namespace tintforge
