// SPDX-License-Identifier: MIT
#include "subfolders.h"

#include <QDir>

namespace tintforge {

// Windows names are UTF-16, as QString is, so every name shows exactly as the system has it.
std::optional<QStringList> readSubfolders(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

QString faithfulCurrentFolder()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace tintforge
