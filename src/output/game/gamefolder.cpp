// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include "output/files/filereads.h"
#include "output/files/nativefile.h"

namespace tintforge {

GameFolder defaultGameFolder()
{
    return gameFolderCandidates().front();
}

namespace {

// Whether the game sees a folder at the place: the folder itself, or its redirected twin. A
// place the system cannot tell of (a failing disk, a loop of links) is something there all the
// same: Make writes there and names the system's reason, never that no folder was found.
bool gameSeesFolder(const GameFolder &place)
{
    const Result<bool, FileCause> there = NativeFolder::isThere(place.path);
    return !there || *there || (place.twin && isFolder(*place.twin));
}

} // namespace

GameFolderSearch locateGameFolder()
{
    const std::vector<GameFolder> candidates = gameFolderCandidates();
    GameFolderSearch search{candidates.front(), false, candidates};
    for (const GameFolder &candidate : candidates) {
        // A name that cannot be held exactly is never looked at: that would be its look-alike.
        if (!candidate.unreachable && gameSeesFolder(candidate)) {
            search.folder = candidate;
            search.found = true;
            break;
        }
    }
    return search;
}

} // namespace tintforge
