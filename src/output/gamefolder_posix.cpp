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
// wherever the program was started. As the system's bytes.
QByteArray homeFolder()
{
    QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return home;

    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(std::size_t(bufferSize > 0 ? bufferSize : 16384));
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return QByteArray(found->pw_dir);
    return QByteArrayLiteral("/");
}

} // namespace

// The Linux release of the game keeps its user folder in the home folder.
GameFolder DefaultGameFolder()
{
    const QByteArray home = homeFolder();
    const QString decoded = QFile::decodeName(home);
    GameFolder folder{QDir::cleanPath(decoded + QStringLiteral("/.loki/sof")), std::nullopt};
    if (QFile::encodeName(decoded) != home)
        folder.unreachable = QStringLiteral("the home folder's name is not valid in the system's "
                                            "file name encoding");
    return folder;
}

} // namespace tintforge
