// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include "output/files/reaching.h"

#include <QFileInfo>

namespace tintforge {

GameFolder defaultGameFolder()
{
    return gameFolderCandidates().front();
}

namespace {

// Whether the game sees a folder at `path`: the folder itself, or its redirected twin.
bool gameSeesFolder(const QString &path)
{
    reaching(path);
    if (QFileInfo(path).isDir())
        return true;
    const std::optional<QString> twin = redirectedTwin(path);
    if (!twin)
        return false;
    reaching(*twin);
    return QFileInfo(*twin).isDir();
}

} // namespace

GameFolderSearch locateGameFolder()
{
    const std::vector<GameFolder> candidates = gameFolderCandidates();
    GameFolderSearch search{candidates.front(), false, candidates};
    for (const GameFolder &candidate : candidates) {
        // A name that cannot be held exactly is never looked at: that would be its look-alike.
        if (!candidate.unreachable && gameSeesFolder(candidate.path)) {
            search.folder = candidate;
            search.found = true;
            break;
        }
    }
    return search;
}

} // namespace tintforge
