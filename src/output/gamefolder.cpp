// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include <QDir>
#include <QFileInfo>

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

GameFolder DefaultGameFolder()
{
    return gameFolderCandidates().front();
}

namespace {

// Whether the game sees a folder at `path`: the folder itself, or its redirected twin.
bool gameSeesFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    const std::optional<QString> twin = redirectedTwin(path);
    return twin && QFileInfo(*twin).isDir();
}

} // namespace

MakeFolder locateGameFolder()
{
    const std::vector<GameFolder> candidates = gameFolderCandidates();
    MakeFolder make{candidates.front(), false, {}};
    for (const GameFolder &candidate : candidates)
        make.lookedIn << candidate.path;
    for (const GameFolder &candidate : candidates) {
        // A name that cannot be held exactly is never looked at: that would be its look-alike.
        if (!candidate.unreachable && gameSeesFolder(candidate.path)) {
            make.folder = candidate;
            make.found = true;
            break;
        }
    }
    return make;
}

} // namespace tintforge
