// SPDX-License-Identifier: MIT
#include "make.h"

#include "gamecopies.h"
#include "output/files/paths.h"
#include "output/script/filenames.h"

namespace tintforge {

WriteStatus makeScript(const Composition &composition)
{
    const GameFolderSearch search = locateGameFolder();
    const GameFolder &folder = search.folder;
    WriteStatus written = WriteFailure{};
    if (folder.unreachable)
        written.error().files.push_back(
            {joinPath(folder.path, ScriptFileName), *folder.unreachable});
    else
        written = writeWhereTheGameReads(CopyPlan(folder.path, folder.twin), composition);
    if (!written && !search.found)
        written.error().lookedIn = search.lookedIn;
    return written;
}

MakeDestination makeDestination()
{
    GameFolderSearch search = locateGameFolder();
    QString reads = search.found
                        ? folderTheGameReads(CopyPlan(search.folder.path, search.folder.twin))
                        : QString();
    return {std::move(search), std::move(reads)};
}

} // namespace tintforge
