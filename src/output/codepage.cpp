// SPDX-License-Identifier: MIT
#include "codepage.h"

#include <array>

namespace tintforge {

namespace {

// Bytes 0x80 to 0x9F; zero where Windows-1252 defines no character.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The byte for a character, or 0 when the code page has none or it is a control character.
unsigned char byteFor(char16_t c)
{
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return 0;
}

} // namespace

bool isCodePageText(QChar c)
{
    return byteFor(c.unicode()) != 0;
}

QString fromCodePage(std::string_view bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const char16_t mapped = code >= 0x80 && code < 0xA0 ? HighControlRange[code - 0x80] : 0;
        text += QChar(mapped ? mapped : char16_t(code));
    }
    return text;
}

std::string toCodePage(QStringView text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        if (const unsigned char byte = byteFor(c.unicode()))
            bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

void dropNonCodePage(QString &text, int &cursor)
{
    // Composed first: an "e" with a combining accent, as some input methods and pastes deliver
    // it, is the code page's "\u00E9", not an "e" and a character to drop.
    const qsizetype composedCursor =
        text.left(cursor).normalized(QString::NormalizationForm_C).size();
    text = text.normalized(QString::NormalizationForm_C);
    cursor = int(composedCursor);
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (!isCodePageText(text[i])) {
            text.remove(i, 1);
            if (i < cursor)
                --cursor;
        }
    }
}

} // namespace tintforge
