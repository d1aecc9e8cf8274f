// SPDX-License-Identifier: MIT
#include "scriptwriter.h"

#include "colourscript.h"
#include "gamefolder.h"
#include "nativefile.h"

#include <algorithm>
#include <QRandomGenerator>

namespace tintforge {

namespace {

// A name beside the file that no other writer picks: the new file is written there in full,
// then takes the file's name in one rename. "color.cfg.<16 hex digits>.tmp".
QString temporaryNameFor(const QString &name)
{
    return name + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16,
                                                QLatin1Char('0'));
}

// Whether a name in the folder is one that temporaryNameFor makes for the file `script`.
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

// Removes the temporary files that writers of this program left in the folder when they were
// killed before their rename: the names temporaryNameFor makes for `name`, and only those that no
// running writer holds. Nobody else's files are touched.
void removeLeftTemporaries(const NativeFolder &folder, const QString &name)
{
    for (const QString &left : folder.fileNames()) {
        if (!isTemporaryNameFor(left, name))
            continue;
        // Removed while held, so that no writer takes hold of it in between.
        NativeFile file(folder, left, NativeFile::Mode::Read);
        if (file.isOpen() && file.tryHoldAgainstOurOtherWriters())
            folder.remove(left);
    }
}

} // namespace

// Creates the new file under a fresh name, with the old one's access control, flushes it to the
// disk, then renames it over the old one. The rename replaces the name itself: a symbolic link
// there becomes an ordinary file and whatever it pointed to stays untouched. A file its owner
// made read-only is left alone. On any failure the old file is left as it was and whatever this
// write created is removed.
std::optional<FileError> replaceFile(const QString &folderPath, const QString &name,
                                     std::string_view bytes)
{
    const NativeFolder folder(folderPath);
    const QString path = folder.pathOf(name);
    if (!folder.isOpen())
        return folder.errorAt(name);
    if (const std::optional<QString> reason = folder.writeProtection(name))
        return FileError{path, *reason};
    removeLeftTemporaries(folder, name);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString temporary = temporaryNameFor(name);
        NativeFile file(folder, temporary, NativeFile::Mode::CreateNew);
        if (!file.isOpen()) {
            if (file.nameTaken())
                continue;
            return file.errorAt(path);
        }
        // Held from a handle of its own until after the rename, so that no other writer takes
        // the new file for one left behind. Another writer may have done so in the moment
        // before the hold: then it is gone, and another name is taken.
        NativeFile keeper(folder, temporary, NativeFile::Mode::Read);
        if (!keeper.isOpen() || !keeper.holdAgainstOurOtherWriters()) {
            if (!file.isNamed(folder, temporary))
                continue; // another writer took it for one left behind: nothing of ours is left
            folder.remove(temporary);
            return keeper.errorAt(path);
        }
        if (!keeper.isNamed(folder, temporary))
            continue;
        file.takeAccessOf(folder, name);
        if (!file.writeAll(bytes) || !file.sync() || !file.close()) {
            const FileError error = file.errorAt(path);
            file.close();
            folder.remove(temporary);
            return error;
        }
        if (auto error = folder.replaceName(temporary, name)) {
            folder.remove(temporary);
            return error;
        }
        folder.sync();
        return std::nullopt;
    }
    return FileError{path, QStringLiteral("no free temporary name beside it")};
}

namespace {

// The last byte of config.cfg, read through a handle of its own, since the append handle may be
// write only; nothing when it cannot be read.
std::optional<char> lastByteOf(const NativeFolder &folder, const QString &name, std::int64_t size)
{
    NativeFile reader(folder, name, NativeFile::Mode::Read);
    char last = 0;
    if (!reader.isOpen() || !reader.readByteAt(size - 1, last))
        return std::nullopt;
    return last;
}

// Whether config.cfg is known to end with a whole line: empty, or ending with a line feed. A file
// whose last byte cannot be read (write only, a read error, a device) is not.
bool endsWithWholeLine(const NativeFolder &folder, const QString &name,
                       std::optional<std::int64_t> size)
{
    if (!size)
        return false;
    if (*size == 0)
        return true;
    const std::optional<char> last = lastByteOf(folder, name, *size);
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
// meanwhile are never overwritten. A failed append or flush is cut back: config.cfg is then byte
// for byte as it was, unless another program has written to it meanwhile.
std::optional<FileError> appendExecLine(const QString &folderPath, const QString &name)
{
    const NativeFolder folder(folderPath);
    const QString path = folder.pathOf(name);
    NativeFile file(folder, name, NativeFile::Mode::Append);
    if (!file.isOpen())
        return file.errorAt(path);
    // The size and last byte read below stay true until this append is done or cut back.
    if (!file.holdAgainstOurOtherWriters())
        return file.errorAt(path);

    // Devices such as /dev/full have no size or last byte to look at, and cannot be cut back.
    const std::optional<std::int64_t> oldSize = file.regularFileSize();
    const std::string addition = execLineAddition(endsWithWholeLine(folder, name, oldSize));
    if (!file.writeAll(addition) || (oldSize && !file.sync())) {
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
    if (!file.close())
        return file.errorAt(path);
    return std::nullopt;
}

std::optional<FileError> writeColourScript(const QString &folder, const Composition &composition)
{
    if (auto error = replaceFile(folder, QString::fromLatin1(ScriptFileName),
                                 renderColourScript(composition)))
        return error;
    return appendExecLine(folder, QString::fromLatin1(ConfigFileName));
}

} // namespace tintforge
