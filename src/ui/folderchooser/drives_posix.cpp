// SPDX-License-Identifier: MIT
#include "drives.h"

#include <QStorageInfo>

namespace tintforge {

QList<Drive> drives()
{
    QList<Drive> list;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        const QString root = volume.rootPath();
        // A mount point whose name is not valid in the file name encoding comes decoded with
        // replacement characters: choosing it would open a look-alike folder, or none. Qt hands
        // mount points over decoded already, so that character is all that is left to tell
        // such a name by (exactFileName needs the bytes).
        if (root.contains(QChar::ReplacementCharacter))
            continue;
        const QString name = volume.name();
        list.append({name.isEmpty() ? root : QStringLiteral("%1  [%2]").arg(root, name), root});
    }
    return list;
}

bool isOnDrive(const QString &folder, const QString &root)
{
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return folder == root || folder.startsWith(prefix);
}

} // namespace tintforge
