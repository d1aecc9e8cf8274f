// SPDX-License-Identifier: MIT
#include "paths.h"

#include <QDir>

namespace tintforge {

QString joinPath(const QString &folder, const QString &fileName)
{
    QString path = folder;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(QLatin1Char('/')))
        path += QDir::separator();
    return path + fileName;
}

QString joinPath(const QString &folder, std::string_view fileName)
{
    return joinPath(folder, QString::fromLatin1(fileName.data(), qsizetype(fileName.size())));
}

} // namespace tintforge
