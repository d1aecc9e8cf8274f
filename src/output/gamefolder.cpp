// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include <QDir>

namespace tintforge {

QString joinPath(const QString &folder, std::string_view fileName)
{
    QString path = folder;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(QLatin1Char('/')))
        path += QDir::separator();
    return path + QString::fromLatin1(fileName.data(), qsizetype(fileName.size()));
}

} // namespace tintforge
