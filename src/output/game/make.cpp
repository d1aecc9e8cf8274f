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
    WriteStatus written =
        folder.unreachable
            ? WriteFailure{{{joinPath(folder.path, ScriptFileName), refused(*folder.unreachable)}},
                           false,
                           {}}
            : writeWhereTheGameReads(folder.path, composition);
    if (!written && !search.found)
        written.error().lookedIn = search.lookedIn;
    return written;
}

MakeDestination makeDestination()
{
    GameFolderSearch search = locateGameFolder();
    QString reads = search.found ? folderTheGameReads(search.folder.path) : QString();
    return {std::move(search), std::move(reads)};
}

} // namespace tintforge
