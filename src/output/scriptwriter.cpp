// SPDX-License-Identifier: MIT
#include "scriptwriter.h"

#include "colourscript.h"
#include "gamefolder.h"
#include "nativefile.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace tintforge {

namespace {

// A name beside the script that no other writer picks: the new script is written there in full,
// then takes the script's name in one rename. "color.cfg.<16 hex digits>.tmp".
QString temporaryNameFor(const QString &path)
{
    return path + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16,
                                                QLatin1Char('0'));
}

// Whether a name in the folder is one that temporaryNameFor makes for the script.
bool isTemporaryNameFor(QStringView name, QStringView script)
{
    constexpr qsizetype Digits = 16;
    const QStringView suffix = u".tmp";
    if (name.size() != script.size() + 1 + Digits + suffix.size() || !name.startsWith(script) ||
        name[script.size()] != u'.' || !name.endsWith(suffix))
        return false;
    const QStringView digits = name.mid(script.size() + 1, Digits);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
}

// Removes the temporary scripts that writers of this program left in the folder when they were
// killed before their rename: the names temporaryNameFor makes, and only those that no running
// writer holds. Nobody else's files are touched.
void removeLeftTemporaries(const QString &folder, const QString &path)
{
    const QString script = QFileInfo(path).fileName();
    // No name filter: Qt matches those with regular expressions whose per-thread stack, in the
    // static Windows build, crashed threads of other programs' making as they ended.
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!isTemporaryNameFor(name, script))
            continue;
        const QString left = joinPath(folder, name.toStdString());
        // Removed while held, so that no writer takes hold of it in between.
        NativeFile file(left, NativeFile::Mode::Read);
        if (file.isOpen() && file.tryHoldAgainstOurOtherWriters())
            removeQuietly(left);
    }
}

} // namespace

// Creates the new file under a fresh name, with the old one's permission bits, flushes it to the
// disk, then renames it over the old one. The rename replaces the name itself: a symbolic link
// there becomes an ordinary file and whatever it pointed to stays untouched. A file its owner
// made read-only is left alone. On any failure the old file is left as it was and the temporary
// file is removed.
std::optional<FileError> replaceFile(const QString &folder, const QString &path,
                                     std::string_view bytes)
{
    if (const std::optional<QString> reason = writeProtection(path))
        return FileError{path, *reason};
    removeLeftTemporaries(folder, path);
    QString temporary;
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = temporaryNameFor(path);
        NativeFile file(temporary, NativeFile::Mode::CreateNew);
        if (!file.isOpen()) {
            if (file.nameTaken())
                continue;
            return file.errorAt(path);
        }
        // Held from a handle of its own until after the rename, so that no other writer takes
        // the new script for one left behind. Another writer may have done so in the moment
        // before the hold: then it is gone, and another name is taken.
        NativeFile keeper(temporary, NativeFile::Mode::Read);
        keeper.holdAgainstOurOtherWriters();
        if (!keeper.isNamed(temporary))
            continue;
        file.takePermissionsOf(path);
        if (!file.writeAll(bytes) || !file.sync() || !file.close()) {
            const FileError error = file.errorAt(path);
            file.close();
            removeQuietly(temporary);
            return error;
        }
        if (auto error = replaceName(temporary, path)) {
            removeQuietly(temporary);
            return error;
        }
        syncFolder(folder);
        return std::nullopt;
    }
    return FileError{path, QStringLiteral("no free temporary name beside it")};
}

namespace {

// The last byte of config.cfg, read through a handle of its own, since the append handle may be
// write only; nothing when it cannot be read.
std::optional<char> lastByteOf(const QString &path, std::int64_t size)
{
    NativeFile reader(path, NativeFile::Mode::Read);
    char last = 0;
    if (!reader.isOpen() || !reader.readByteAt(size - 1, last))
        return std::nullopt;
    return last;
}

// Whether config.cfg is known to end with a whole line: empty, or ending with a line feed. A file
// whose last byte cannot be read (write only, a read error, a device) is not.
bool endsWithWholeLine(const QString &path, std::optional<std::int64_t> size)
{
    if (!size)
        return false;
    if (*size == 0)
        return true;
    const std::optional<char> last = lastByteOf(path, *size);
    return last && *last == '\n';
}

} // namespace

std::string execLineAddition(bool endsWithWholeLine)
{
    std::string addition;
    if (!endsWithWholeLine)
        addition += LineEnd;
    return addition.append(ExecLine).append(LineEnd);
}

// Appends in the system's append mode, so that a concurrent writer's lines and a file rewritten
// meanwhile are never overwritten. A failed append is cut back: config.cfg is then byte for byte
// as it was, unless another program has written to it meanwhile.
std::optional<FileError> appendExecLine(const QString &path)
{
    NativeFile file(path, NativeFile::Mode::Append);
    if (!file.isOpen())
        return file.errorAt(path);
    // The size and last byte read below stay true until this append is done or cut back.
    file.holdAgainstOurOtherWriters();

    // Devices such as /dev/full have no size or last byte to look at, and cannot be cut back.
    const std::optional<std::int64_t> oldSize = file.regularFileSize();
    if (!file.writeAll(execLineAddition(endsWithWholeLine(path, oldSize)))) {
        FileError error = file.errorAt(path);
        if (!oldSize)
            return error;
        // Cutting back to the old size would also remove what another program (the game) has
        // appended meanwhile, so the file is then left as it is.
        if (file.endsWhereOurWritesLeftIt(*oldSize))
            file.truncate(*oldSize);
        else
            error.reason += QStringLiteral("; another program wrote to it meanwhile, so the part "
                                           "already written was left in it");
        return error;
    }
    if ((oldSize && !file.sync()) || !file.close())
        return file.errorAt(path);
    return std::nullopt;
}

std::optional<FileError> writeColourScript(const QString &folder, const Composition &composition)
{
    if (auto error =
            replaceFile(folder, joinPath(folder, ScriptFileName), renderColourScript(composition)))
        return error;
    return appendExecLine(joinPath(folder, ConfigFileName));
}

} // namespace tintforge
