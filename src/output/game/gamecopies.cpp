// SPDX-License-Identifier: MIT
#include "gamecopies.h"

#include "output/files/filereads.h"
#include "output/files/filewrites.h"
#include "output/files/nativefile.h"
#include "output/files/paths.h"
#include "output/script/execline.h"
#include "output/script/filenames.h"
#include "output/script/scriptrendering.h"
#include "scriptwriting.h"

#include <algorithm>
#include <QFileInfo>

namespace tintforge {

namespace {

const QString ScriptName = QString::fromLatin1(ScriptFileName);
const QString ConfigName = QString::fromLatin1(ConfigFileName);

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
    Result<std::string, FileError> content = readWholeFile(real, MaxGameFileSize);
    if (!content)
        return content.error();
    std::string bytes = std::move(*content);
    bytes += execLineAddition(bytes.empty() || bytes.back() == '\n');
    return replaceFile(twin, ConfigName, bytes);
}

// Whether the folder's own copy was sent to the twin; any other failure is kept in `failed`.
bool sentToTwin(const CopyPlan &plan, const FileStatus &written, std::vector<FileError> &failed)
{
    if (written)
        return false;
    if (plan.sendsToTwin(written.error().cause))
        return true;
    failed.push_back(written.error());
    return false;
}

// Writes the script into the folder, and into the twin where the plan sends it, noting each
// previous script kept; gives whether the folder's own copy was sent there.
bool writeScripts(const CopyPlan &plan, const std::string &rendered, std::vector<FileError> &failed,
                  std::vector<QString> &kept)
{
    const auto replace = [&](const QString &folder) -> FileStatus {
        Result<std::optional<QString>, FileError> replaced = replaceScript(folder, rendered);
        if (!replaced)
            return replaced.error();
        if (*replaced)
            kept.push_back(**replaced);
        return {};
    };
    const bool sent = sentToTwin(plan, replace(plan.folder()), failed);
    if (plan.intoTwin(ScriptName, sent)) {
        FileStatus replaced = makeTwin(*plan.twin(), ScriptFileName);
        if (replaced)
            replaced = replace(*plan.twin());
        if (!replaced)
            failed.push_back(replaced.error());
    }
    return sent;
}

// Adds the exec line to the folder's config.cfg, and to the twin's where the plan sends it: a
// first copy there starts from the folder's own.
void writeConfigs(const CopyPlan &plan, std::vector<FileError> &failed)
{
    const QString config = joinPath(plan.folder(), ConfigFileName);
    const bool copyExists = plan.intoTwin(ConfigName, false);
    const bool sent = sentToTwin(plan, appendExecLine(plan.folder()), failed);
    if (!plan.intoTwin(ConfigName, sent))
        return;
    FileStatus appended = makeTwin(*plan.twin(), ConfigFileName);
    const bool startFromOwn = sent && !copyExists && nameExists(config);
    if (appended)
        appended = startFromOwn ? copyConfigWithExecLine(config, *plan.twin())
                                : appendExecLine(*plan.twin());
    if (!appended)
        failed.push_back(appended.error());
}

WriteFailure failureOf(const std::vector<FileError> &failed)
{
    WriteFailure failure;
    for (const FileError &error : failed)
        failure.files.push_back({error.path, error.cause});
    // config.cfg is written only once every script is in place.
    failure.scriptsWritten = std::all_of(failed.begin(), failed.end(), [](const FileError &e) {
        return QFileInfo(e.path).fileName() == ConfigName;
    });
    return failure;
}

} // namespace

// Without a twin, the plan sends nothing there: the folder's own files are written as
// writeColourScript writes them.
WriteStatus writeWhereTheGameReads(const CopyPlan &plan, const Composition &composition)
{
    std::vector<FileError> failed;
    std::vector<QString> kept;
    const bool sent = writeScripts(plan, renderColourScript(composition), failed, kept);
    if (!failed.empty())
        return failureOf(failed);
    writeConfigs(plan, failed);
    if (!failed.empty())
        return failureOf(failed);
    return Written{plan.folderRead(ScriptName, sent), std::move(kept)};
}

WriteStatus writeWhereTheGameReads(const QString &folder, const Composition &composition)
{
    return writeWhereTheGameReads(CopyPlan(folder), composition);
}

QString folderTheGameReads(const CopyPlan &plan)
{
    return plan.folderRead(ScriptName, plan.foreseesTwin());
}

QString scriptTheGameReads(const QString &path, const CopyPlan &plan)
{
    const QString name = QFileInfo(path).fileName();
    const QString folder = plan.folderRead(name, false);
    return folder == plan.folder() ? path : joinPath(folder, name);
}

QString scriptTheGameReads(const QString &path)
{
    return scriptTheGameReads(path, CopyPlan(QFileInfo(path).path()));
}

} // namespace tintforge
