// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include <pwd.h>
#include <QDir>
#include <QFile>
#include <unistd.h>
#include <vector>

namespace tintforge {

namespace {

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

} // namespace

// The Linux release of the game keeps its user folder in the home folder.
QString DefaultGameFolder()
{
    return QDir::cleanPath(homeFolder() + QStringLiteral("/.loki/sof"));
}

} // namespace tintforge
