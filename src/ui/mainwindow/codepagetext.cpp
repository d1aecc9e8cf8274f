// SPDX-License-Identifier: MIT
#include "codepagetext.h"

#include "model/codepage.h"

namespace tintforge {

QString fromCodePage(std::string_view bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes)
        text += QChar(characterOfByte(byte));
    return text;
}

std::string toCodePage(QStringView text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar c : text)
        bytes.push_back(byteOfCharacter(c.unicode()));
    return bytes;
}

} // namespace tintforge
