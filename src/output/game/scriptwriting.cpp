// SPDX-License-Identifier: MIT
#include "scriptwriting.h"

#include "output/files/filereads.h"
#include "output/files/filewrites.h"
#include "output/files/nativefile.h"
#include "output/files/paths.h"
#include "output/script/execline.h"
#include "output/script/filenames.h"
#include "output/script/scriptreading.h"
#include "output/script/scriptrendering.h"

namespace tintforge {

FileStatus appendExecLine(const QString &folder)
{
    return appendToFile(folder, QString::fromLatin1(ConfigFileName), execLineAddition);
}

namespace {

// Whether the bytes hold lines this program does not write: what reading them back and writing
// them anew would not give back byte for byte.
bool holdsOwnLines(const std::string &bytes)
{
    if (bytes.empty())
        return false;
    const Result<ScriptContents, ScriptRefusal> read = readColourScript(bytes);
    return !read || renderColourScript(read->composition) != bytes;
}

} // namespace

// The copy is made first, so that the player's lines are never only in memory; a replace that
// then fails takes it back, the older copy restored, so that a failure changes nothing.
Result<std::optional<QString>, FileError> replaceScript(const QString &folder,
                                                        const std::string &rendered)
{
    const QString scriptName = QString::fromLatin1(ScriptFileName);
    const QString keptName = QString::fromLatin1(KeptScriptFileName);
    const Result<std::string, FileError> previous =
        readWholeFile(joinPath(folder, ScriptFileName), MaxGameFileSize);
    if (!previous || !holdsOwnLines(*previous)) {
        if (FileStatus replaced = replaceFile(folder, scriptName, rendered); !replaced)
            return replaced.error();
        return std::optional<QString>();
    }
    const QString kept = joinPath(folder, KeptScriptFileName);
    const Result<std::string, FileError> older = readWholeFile(kept, MaxGameFileSize);
    if (FileStatus copied = replaceFile(folder, keptName, *previous); !copied)
        return copied.error();
    if (FileStatus replaced = replaceFile(folder, scriptName, rendered); !replaced) {
        if (older)
            (void)replaceFile(folder, keptName, *older); // the replace's error is the one told
        else if (const auto opened = NativeFolder::open(folder))
            opened->remove(keptName);
        return replaced.error();
    }
    return std::optional(kept);
}

FileStatus writeColourScript(const QString &folder, const Composition &composition)
{
    if (auto replaced = replaceScript(folder, renderColourScript(composition)); !replaced)
        return replaced.error();
    return appendExecLine(folder);
}

} // namespace tintforge
