// SPDX-License-Identifier: MIT
#include "drives.h"

#include <QDir>
#include <QStorageInfo>

namespace tintforge {

// As the classic drive list shows them: the letter in lower case and a colon, then the volume's
// name in brackets when it has one ("c: [System]"), in the order of the letters.
QList<Drive> drives()
{
    QList<Drive> list;
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absolutePath());
        const QString letter = root.left(2).toLower();
        const QString name = QStorageInfo(root).name();
        list.append({name.isEmpty() ? letter : QStringLiteral("%1 [%2]").arg(letter, name), root});
    }
    return list;
}

} // namespace tintforge
