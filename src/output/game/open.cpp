// SPDX-License-Identifier: MIT
#include "open.h"

#include "gamecopies.h"
#include "gamefolder.h"
#include "output/files/filereads.h"

#include <QDir>

namespace tintforge {

namespace {

// The file's bytes, read only from an ordinary file and no further than any colour script goes,
// even one edited by hand, then what they hold.
Result<ScriptContents, FailedFile<OpenCause>> readScriptFile(const QString &path)
{
    Result<std::string, FileError> bytes = readWholeFile(path, MaxOpenedScriptSize);
    if (!bytes) {
        if (std::holds_alternative<TooLarge>(bytes.error().cause))
            return FailedFile<OpenCause>{path, OpenRefusal::LargerThanAnyScript};
        return FailedFile<OpenCause>{path, bytes.error().cause};
    }
    Result<ScriptContents, ScriptRefusal> read = readColourScript(*bytes);
    if (!read)
        return FailedFile<OpenCause>{path, read.error()};
    return std::move(*read);
}

} // namespace

QString openDialogStart()
{
    const QString gameFolder = locateGameFolder().folder.path;
    return isFolder(gameFolder) ? gameFolder : QDir::homePath();
}

Result<OpenedScript, OpenFailure> openColourScript(const QString &path)
{
    const QString read = scriptTheGameReads(path);
    Result<ScriptContents, FailedFile<OpenCause>> contents = readScriptFile(read);
    if (!contents)
        return OpenFailure{path, contents.error()};
    return OpenedScript{path, read, std::move(*contents)};
}

} // namespace tintforge
