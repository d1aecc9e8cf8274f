// SPDX-License-Identifier: MIT
#include "open.h"

#include "gamecopies.h"
#include "gamefolder.h"
#include "output/files/nativefile.h"
#include "output/files/reaching.h"
#include "output/script/scriptreading.h"

#include <QDir>
#include <QFileInfo>

namespace tintforge {

namespace {

// The file's bytes, read only from an ordinary file and no further than any colour script goes,
// even one edited by hand, then what they hold.
Result<ScriptContents, FileError> readScriptFile(const QString &path)
{
    auto file = NativeFile::open(path, NativeFile::Mode::Read);
    if (!file)
        return FileError{path, file.error()};
    if (!file->regularFileSize())
        return FileError{path, refused(Refusal::NotOrdinaryFile)};
    auto bytes = file->readUpTo(MaxOpenedScriptSize);
    if (!bytes)
        return FileError{path, bytes.error()};
    if (bytes->size() > MaxOpenedScriptSize)
        return FileError{path, refused(Refusal::LargerThanAnyScript)};
    Result<ScriptContents, Refusal> read = readColourScript(*bytes);
    if (!read)
        return FileError{path, refused(read.error())};
    return std::move(*read);
}

} // namespace

QString openDialogStart()
{
    const QString gameFolder = locateGameFolder().folder.path;
    reaching(gameFolder);
    return QFileInfo(gameFolder).isDir() ? gameFolder : QDir::homePath();
}

Result<OpenedScript, OpenFailure> openColourScript(const QString &path)
{
    const QString read = scriptTheGameReads(path);
    Result<ScriptContents, FileError> contents = readScriptFile(read);
    if (!contents)
        return OpenFailure{path, contents.error()};
    return OpenedScript{path, read, std::move(*contents)};
}

} // namespace tintforge
