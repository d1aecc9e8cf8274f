#pragma once

#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

namespace tintforge {

// Segment texts are bytes of the game's 8-bit code page, Windows-1252; in the glyph range
// (192 to 255) it equals Latin-1. These convert between those bytes and what a widget shows.
QString fromCodePage(std::string_view bytes);
// Characters the code page cannot hold, and control characters, are left out.
std::string toCodePage(QStringView text);
bool isCodePageText(QChar c);

// Keeps a field to what the game can show: whatever else is typed or pasted is dropped, so what
// the user sees is exactly what gets written.
class CodePageValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace tintforge
