// SPDX-License-Identifier: MIT
#include "shownname.h"

#include <QStringDecoder>

namespace tintforge {

namespace {

// How many bytes the UTF-8 sequence led by `lead` takes; 1 for a byte no sequence starts with.
qsizetype sequenceLength(char lead)
{
    const auto byte = static_cast<unsigned char>(lead);
    if (byte >= 0xF0)
        return 4;
    if (byte >= 0xE0)
        return 3;
    return byte >= 0xC0 ? 2 : 1;
}

} // namespace

QString shownFileName(QByteArrayView bytes)
{
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = std::min(sequenceLength(bytes[at]), bytes.size() - at);
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString character = decode(bytes.sliced(at, length));
        if (!decode.hasError()) {
            shown += character;
            at += length;
        } else {
            shown += QStringLiteral("\\x") +
                     QString::number(static_cast<unsigned char>(bytes[at]), 16).toUpper();
            ++at;
        }
    }
    return shown;
}

} // namespace tintforge
