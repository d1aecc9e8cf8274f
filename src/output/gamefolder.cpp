// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include <QDir>
#include <QFile>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#include <vector>
#endif

namespace tintforge {

namespace {

#ifndef Q_OS_WIN
// HOME when it names an absolute folder; otherwise the account's home folder from the user
// database, so that an unset, empty or relative HOME never sends the files to "/" or to
// wherever the program was started.
QString homeFolder()
{
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return QFile::decodeName(home);

    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(std::size_t(bufferSize > 0 ? bufferSize : 16384));
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return QFile::decodeName(found->pw_dir);
    return QDir::rootPath();
}
#endif

} // namespace

QString DefaultGameFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\Raven\\SOF\\user");
#else
    return QDir::cleanPath(homeFolder() + QStringLiteral("/.loki/sof"));
#endif
}

QString joinPath(const QString &folder, std::string_view fileName)
{
    QString path = folder;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(QLatin1Char('/')))
        path += QDir::separator();
    return path + QString::fromLatin1(fileName.data(), qsizetype(fileName.size()));
}

} // namespace tintforge
