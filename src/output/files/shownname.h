// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tintforge {

// Text from outside (a file's name, a line of a file) as messages show it: control characters
// stand escaped ("a\x0Ab" for a line break), since shown as they are they would break a message
// into lines of the text's making, or hide in it.
inline QString escapedControls(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            shown += QStringLiteral("\\x") +
                     QString::number(uint(code), 16).toUpper().rightJustified(2, u'0');
        else
            shown += c;
    }
    return shown;
}

// A file's or folder's name as messages show it: in quotes, its control characters escaped.
inline QString quotedName(const QString &name)
{
    return u'"' + escapedControls(name) + u'"';
}

// A name given as bytes (a POSIX system's, or a file address's), as messages show it: what is
// valid UTF-8 as its characters, every other byte as "\xFF", where a replacement character
// would read exactly like the look-alike name beside it.
QString shownFileName(QByteArrayView bytes);

} // namespace tintforge
