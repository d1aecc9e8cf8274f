// SPDX-License-Identifier: MIT
#include "subfolders.h"

#include "output/files/localetext.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tintforge {

// One pass over the folder's entries: the entry type comes with the name on most file systems,
// so only links and file systems that do not report it cost a look at the entry itself.
std::optional<QStringList> readSubfolders(const QString &folder)
{
    const QByteArray encoded = QFile::encodeName(folder);
    if (::access(encoded.constData(), R_OK | X_OK) != 0)
        return std::nullopt;
    DIR *dir = ::opendir(encoded.constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    // Only readdir's own failure stops the listing: a link that leads nowhere fails its look
    // at the entry, which says only that it is no folder.
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry)
            break;
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat status {
            };
            isFolder = ::fstatat(::dirfd(dir), name, &status, 0) == 0 && S_ISDIR(status.st_mode);
        }
        if (!isFolder)
            continue;
        if (std::optional<QString> shown = exactFileName(name))
            names.append(*shown);
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    if (!complete)
        return std::nullopt;
    return names;
}

QString faithfulCurrentFolder()
{
    // The bytes of the current folder's path, not Qt's decoded (and perhaps altered) copy.
    std::vector<char> buffer(4096);
    QByteArray path;
    const char *current = nullptr;
    while (!(current = ::getcwd(buffer.data(), buffer.size())) && errno == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (current && current[0] == '/')
        path = QByteArray(current);
    // A deleted current folder has no path any more, but the system still knows where it was:
    // the folders above it are the nearest ones to offer.
    constexpr QByteArrayView DeletedMark = " (deleted)";
    if (path.isEmpty()) {
        const ssize_t length = ::readlink("/proc/self/cwd", buffer.data(), buffer.size() - 1);
        if (length > 0 && buffer[0] == '/') {
            path = QByteArray(buffer.data(), length);
            if (path.endsWith(DeletedMark))
                path.chop(DeletedMark.size());
        }
    }
    if (path.isEmpty())
        return {};
    while (path.size() > 1) {
        if (std::optional<QString> shown = exactFileName(path))
            return *shown;
        path.truncate(std::max<qsizetype>(1, path.lastIndexOf('/')));
    }
    return QStringLiteral("/");
}

} // namespace tintforge
