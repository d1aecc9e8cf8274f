// SPDX-License-Identifier: MIT
#include "gamecopies.h"

#include "colourscript.h"
#include "gamefolder.h"
#include "scriptwriter.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tintforge {

namespace {

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Whether a write that failed in the folder goes to its twin instead: the system refused this
// user, or the folder is there only as its twin. Anything else (a full disk, a file in use, a
// script made read-only) is the folder's own failure.
bool goesToTwin(const FileError &error, const QString &folder, const QString &twin)
{
    return error.accessDenied || (!isFolder(folder) && isFolder(twin));
}

// config.cfg's first copy in the twin: the folder's own content with the exec line added, made
// whole in one rename, as the game's first write to it would copy it there.
std::optional<FileError> copyConfigWithExecLine(const QString &real, const QString &twin)
{
    QFile file(real);
    if (!QFileInfo(real).isFile() || !file.open(QIODevice::ReadOnly))
        return FileError{real, file.errorString()};
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError{real, file.errorString()};
    std::string bytes = content.toStdString();
    bytes += execLineAddition(content.isEmpty() || content.endsWith('\n'));
    return replaceFile(twin, QString::fromLatin1(ConfigFileName), bytes);
}

std::vector<FileError> writeCopies(const QString &folder, const std::optional<QString> &twin,
                                   const Composition &composition)
{
    std::vector<FileError> failed;
    if (!twin) {
        if (auto error = writeColourScript(folder, composition))
            failed.push_back(*error);
        return failed;
    }

    const QString scriptCopy = joinPath(*twin, ScriptFileName);
    const std::string rendered = renderColourScript(composition);
    bool scriptIntoTwin = exists(scriptCopy);
    const QString scriptName = QString::fromLatin1(ScriptFileName);
    const QString configName = QString::fromLatin1(ConfigFileName);
    if (auto error = replaceFile(folder, scriptName, rendered)) {
        if (goesToTwin(*error, folder, *twin))
            scriptIntoTwin = true;
        else
            failed.push_back(*error);
    }
    if (scriptIntoTwin) {
        QDir().mkpath(*twin);
        if (auto error = replaceFile(*twin, scriptName, rendered))
            failed.push_back(*error);
    }
    if (!failed.empty())
        return failed;

    const QString config = joinPath(folder, ConfigFileName);
    const QString configCopy = joinPath(*twin, ConfigFileName);
    const bool copyExists = exists(configCopy);
    bool configIntoTwin = copyExists;
    bool startFromOwn = false;
    if (auto error = appendExecLine(folder, configName)) {
        if (goesToTwin(*error, folder, *twin)) {
            configIntoTwin = true;
            startFromOwn = !copyExists && exists(config);
        } else {
            failed.push_back(*error);
        }
    }
    if (configIntoTwin) {
        QDir().mkpath(*twin);
        if (auto error = startFromOwn ? copyConfigWithExecLine(config, *twin)
                                      : appendExecLine(*twin, configName))
            failed.push_back(*error);
    }
    return failed;
}

} // namespace

std::optional<WriteFailure> writeWhereTheGameReads(const QString &folder,
                                                   const std::optional<QString> &twin,
                                                   const Composition &composition)
{
    std::vector<FileError> failed = writeCopies(folder, twin, composition);
    if (failed.empty())
        return std::nullopt;
    // config.cfg is written only once every script is in place.
    const bool scriptsWritten = std::all_of(failed.begin(), failed.end(), [](const FileError &e) {
        return QFileInfo(e.path).fileName() == QLatin1StringView(ConfigFileName);
    });
    return WriteFailure{std::move(failed),
                        scriptsWritten
                            ? QStringLiteral("color.cfg is written; the game runs it once "
                                             "config.cfg holds the line \"exec color.cfg\".")
                            : QString()};
}

std::optional<WriteFailure> writeWhereTheGameReads(const QString &folder,
                                                   const Composition &composition)
{
    return writeWhereTheGameReads(folder, redirectedTwin(folder), composition);
}

} // namespace tintforge
