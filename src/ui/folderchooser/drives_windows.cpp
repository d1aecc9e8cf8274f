// SPDX-License-Identifier: MIT
#include "drives.h"

#include "output/files/reaching.h"

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
        reaching(root);
        const QString name = QStorageInfo(root).name();
        list.append({name.isEmpty() ? letter : QStringLiteral("%1 [%2]").arg(letter, name), root});
    }
    return list;
}

bool isOnDrive(const QString &folder, const QString &root)
{
    const QString clean = QDir::fromNativeSeparators(folder);
    const QString base = QDir::fromNativeSeparators(root);
    const QString prefix = base.endsWith(u'/') ? base : base + u'/';
    return clean.compare(base, Qt::CaseInsensitive) == 0 ||
           clean.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace tintforge
