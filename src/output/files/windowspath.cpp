// SPDX-License-Identifier: MIT
#include "windowspath.h"

#include <QDir>

namespace tintforge {

namespace {

constexpr qsizetype LongPathLength = 248;
const QString ExtendedPrefix = QStringLiteral("\\\\?\\");

bool isDriveAbsolute(const QString &path)
{
    return path.size() >= 3 && path[0].isLetter() && path[1] == u':' &&
           (path[2] == u'\\' || path[2] == u'/');
}

bool isServerShare(const QString &path)
{
    return path.size() > 2 && (path[0] == u'\\' || path[0] == u'/') &&
           (path[1] == u'\\' || path[1] == u'/') && path[2] != u'?';
}

} // namespace

QString extendedLengthPath(const QString &path)
{
    if (path.size() < LongPathLength || path.startsWith(ExtendedPrefix))
        return path;
    if (isDriveAbsolute(path))
        return ExtendedPrefix + QDir::cleanPath(path).replace(u'/', u'\\');
    if (isServerShare(path))
        return ExtendedPrefix + QStringLiteral("UNC\\") +
               QDir::cleanPath(path).mid(2).replace(u'/', u'\\');
    return path;
}

} // namespace tintforge
