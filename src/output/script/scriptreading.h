// SPDX-License-Identifier: MIT
#pragma once

#include "model/composition.h"
#include "output/files/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintforge {

// The three lines of a colour script that hold the segments.
enum class ScriptLine { Name, Host, Message };

// Why a part of a colour script was not read exactly.
enum class Unread {
    Missing,
    Repeated,     // the line appears more than once
    Unclosed,     // the line does not end with a quote
    Uncoded,      // the line does not start with a colour code
    MoreCodes,    // more colour codes than the line has segments
    FewerCodes,   // fewer colour codes than the line has segments
    TooLong,      // a text longer than its segment holds
    FieldsRefuse, // a text holding a character the fields do not take
    GameRefuses,  // characters the game does not take there, left out of the text
};

// A part of a colour script that was not read: a line, or one segment's text in it; the
// characters left out of that text; and the segments left empty (none where only characters the
// game does not take were left out of a segment).
struct UnreadPart {
    ScriptLine line;
    std::optional<SegmentId> segment;
    Unread why;
    std::string leftOut; // GameRefuses: the bytes left out
    std::vector<SegmentId> leftEmpty;

    friend bool operator==(const UnreadPart &, const UnreadPart &) = default;
};

// What a colour script gave back: the texts, colours and clan switch of its name, host and
// message lines, and every part that could not be read exactly. Characters the game does not
// take in a text (a ; in a name) are left out of it and named; past that, a part is read only
// when its segment can hold it exactly: nothing is guessed. Each colour code takes the first
// swatch that writes it.
struct ScriptContents {
    Composition composition;
    std::vector<UnreadPart> unread;
    // The file's other lines that Make will not write again (a bind added, a chart line
    // changed), in their order: Make writes the whole script anew.
    std::vector<std::string> notKept;
};

// Why bytes are no colour script at all.
enum class ScriptRefusal {
    Empty,
    NulBytes,           // it holds NUL bytes, as no text does
    LoneCarriageReturn, // a carriage return ends no line
    NoSettingLine,      // no name, host or welcome message line
};

// The script's bytes: what they hold, or why they are no colour script at all.
Result<ScriptContents, ScriptRefusal> readColourScript(std::string_view bytes);

// The most bytes a colour script opened may hold: Make's script with the binds and settings a
// player may add by hand. A file any longer is no colour script.
inline constexpr std::size_t MaxOpenedScriptSize = std::size_t(64) * 1024;

} // namespace tintforge
