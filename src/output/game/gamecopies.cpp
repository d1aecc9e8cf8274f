// SPDX-License-Identifier: MIT
#include "gamecopies.h"

#include "gamefolder.h"
#include "output/files/filewrites.h"
#include "output/files/nativefile.h"
#include "output/files/paths.h"
#include "output/files/reaching.h"
#include "output/script/execline.h"
#include "output/script/filenames.h"
#include "output/script/scriptrendering.h"
#include "scriptwriting.h"

#include <algorithm>
#include <QFileInfo>

namespace tintforge {

namespace {

bool isFolder(const QString &path)
{
    reaching(path);
    return QFileInfo(path).isDir();
}

bool exists(const QString &path)
{
    reaching(path);
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Whether the system's access rules refuse this user new files in the folder.
bool refusesNewFiles(const QString &folder)
{
    const Result<NativeFolder, SystemError> opened = NativeFolder::open(folder);
    return opened && opened->refusesNewFiles();
}

// Whether a write that failed in the folder goes to its twin instead: the system refused this
// user, or the folder is there only as its twin. Anything else (a full disk, a file in use, a
// script made read-only) is the folder's own failure.
bool goesToTwin(const FileError &error, const QString &folder, const QString &twin)
{
    return error.cause.accessDenied() || (!isFolder(folder) && isFolder(twin));
}

// Makes the twin where it is missing: a twin that cannot be made is the failure of the file
// that was to go into it, with the system's reason.
FileStatus makeTwin(const QString &twin, std::string_view fileName)
{
    if (const Status made = NativeFolder::makePath(twin); !made)
        return FileError{joinPath(twin, fileName), made.error()};
    return {};
}

// config.cfg's first copy in the twin: the folder's own content with the exec line added, made
// whole in one rename, as the game's first write to it would copy it there.
FileStatus copyConfigWithExecLine(const QString &real, const QString &twin)
{
    // As much as a config.cfg can sensibly hold; the game's own are a few kilobytes.
    constexpr std::size_t Limit = std::size_t(64) << 20;
    auto file = NativeFile::open(real, NativeFile::Mode::Read);
    if (!file)
        return FileError{real, file.error()};
    if (!file->regularFileSize())
        return FileError{real, refused(Refusal::NotOrdinaryFile)};
    auto content = file->readUpTo(Limit);
    if (!content)
        return FileError{real, content.error()};
    if (content->size() > Limit)
        return FileError{real, refused(Refusal::TooLarge, Limit)};
    std::string bytes = std::move(*content);
    bytes += execLineAddition(bytes.empty() || bytes.back() == '\n');
    return replaceFile(twin, QString::fromLatin1(ConfigFileName), bytes);
}

std::vector<FileError> writeCopies(const QString &folder, const std::optional<QString> &twin,
                                   const Composition &composition)
{
    std::vector<FileError> failed;
    if (!twin) {
        if (FileStatus written = writeColourScript(folder, composition); !written)
            failed.push_back(written.error());
        return failed;
    }

    const QString scriptCopy = joinPath(*twin, ScriptFileName);
    const std::string rendered = renderColourScript(composition);
    bool scriptIntoTwin = exists(scriptCopy);
    const QString scriptName = QString::fromLatin1(ScriptFileName);
    if (FileStatus replaced = replaceFile(folder, scriptName, rendered); !replaced) {
        if (goesToTwin(replaced.error(), folder, *twin))
            scriptIntoTwin = true;
        else
            failed.push_back(replaced.error());
    }
    if (scriptIntoTwin) {
        FileStatus replaced = makeTwin(*twin, ScriptFileName);
        if (replaced)
            replaced = replaceFile(*twin, scriptName, rendered);
        if (!replaced)
            failed.push_back(replaced.error());
    }
    if (!failed.empty())
        return failed;

    const QString config = joinPath(folder, ConfigFileName);
    const QString configCopy = joinPath(*twin, ConfigFileName);
    const bool copyExists = exists(configCopy);
    bool configIntoTwin = copyExists;
    bool startFromOwn = false;
    if (FileStatus appended = appendExecLine(folder); !appended) {
        if (goesToTwin(appended.error(), folder, *twin)) {
            configIntoTwin = true;
            startFromOwn = !copyExists && exists(config);
        } else {
            failed.push_back(appended.error());
        }
    }
    if (configIntoTwin) {
        FileStatus appended = makeTwin(*twin, ConfigFileName);
        if (appended)
            appended = startFromOwn ? copyConfigWithExecLine(config, *twin) : appendExecLine(*twin);
        if (!appended)
            failed.push_back(appended.error());
    }
    return failed;
}

} // namespace

WriteStatus writeWhereTheGameReads(const QString &folder, const std::optional<QString> &twin,
                                   const Composition &composition)
{
    std::vector<FileError> failed = writeCopies(folder, twin, composition);
    if (failed.empty())
        return twin && exists(joinPath(*twin, ScriptFileName)) ? *twin : folder;
    // config.cfg is written only once every script is in place.
    const bool scriptsWritten = std::all_of(failed.begin(), failed.end(), [](const FileError &e) {
        return QFileInfo(e.path).fileName() == QLatin1StringView(ConfigFileName);
    });
    return WriteFailure{std::move(failed), scriptsWritten, {}};
}

WriteStatus writeWhereTheGameReads(const QString &folder, const Composition &composition)
{
    return writeWhereTheGameReads(folder, redirectedTwin(folder), composition);
}

QString folderTheGameReads(const QString &folder, const std::optional<QString> &twin)
{
    if (!twin)
        return folder;
    const bool intoTwin = exists(joinPath(*twin, ScriptFileName)) ||
                          (!isFolder(folder) && isFolder(*twin)) || refusesNewFiles(folder);
    return intoTwin ? *twin : folder;
}

QString folderTheGameReads(const QString &folder)
{
    return folderTheGameReads(folder, redirectedTwin(folder));
}

QString scriptTheGameReads(const QString &path, const std::optional<QString> &twin)
{
    if (!twin)
        return path;
    const QString copy = joinPath(*twin, QFileInfo(path).fileName());
    return exists(copy) ? copy : path;
}

QString scriptTheGameReads(const QString &path)
{
    return scriptTheGameReads(path, redirectedTwin(QFileInfo(path).path()));
}

} // namespace tintforge
