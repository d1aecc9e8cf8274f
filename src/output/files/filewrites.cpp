// SPDX-License-Identifier: MIT
#include "filewrites.h"

#include "nativefile.h"
#include "paths.h"

#include <algorithm>
#include <QRandomGenerator>

namespace tintforge {

namespace {

// The hexadecimal digits of a temporary name: a random 64-bit number's.
constexpr int TemporaryDigits = 16;

// A name beside the file that no other writer picks: the new file is written there in full,
// then takes the file's name in one rename. "color.cfg.<hex digits>.tmp".
QString temporaryNameFor(const QString &name)
{
    return name + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate64(),
                                                TemporaryDigits, 16, QLatin1Char('0'));
}

// Whether a name in the folder is one that temporaryNameFor makes for the file `script`.
bool isTemporaryNameFor(QStringView name, QStringView script)
{
    constexpr qsizetype Digits = TemporaryDigits;
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
        auto file = NativeFile::open(folder, left, NativeFile::Mode::Read);
        if (file && file->tryHoldAgainstOurOtherWriters())
            folder.remove(left);
    }
}

} // namespace

// Creates the new file under a fresh name, with the old one's access control, flushes it to the
// disk, then renames it over the old one. The rename replaces the name itself: a symbolic link
// there becomes an ordinary file and whatever it pointed to stays untouched. A file its owner
// made read-only is left alone. On any failure the old file is left as it was and whatever this
// write created is removed.
FileStatus replaceFile(const QString &folderPath, const QString &name, std::string_view bytes)
{
    const auto opened = NativeFolder::open(folderPath);
    if (!opened)
        return FileError{joinPath(folderPath, name), opened.error()};
    const NativeFolder &folder = *opened;
    const QString path = folder.pathOf(name);
    if (Status writable = folder.checkNotWriteProtected(name); !writable)
        return FileError{path, writable.error()};
    removeLeftTemporaries(folder, name);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString temporary = temporaryNameFor(name);
        auto file = NativeFile::open(folder, temporary, NativeFile::Mode::CreateNew);
        if (!file) {
            if (isNameTaken(file.error()))
                continue;
            return FileError{path, file.error()};
        }
        // Held from a handle of its own until after the rename, so that no other writer takes
        // the new file for one left behind. Another writer may have done so in the moment
        // before the hold: then it is gone, and another name is taken.
        auto keeper = NativeFile::open(folder, temporary, NativeFile::Mode::Read);
        Status held = keeper ? keeper->holdAgainstOurOtherWriters() : Status(keeper.error());
        if (!held) {
            if (!file->isNamed(folder, temporary))
                continue; // another writer took it for one left behind: nothing of ours is left
            folder.remove(temporary);
            return FileError{path, held.error()};
        }
        if (!keeper->isNamed(folder, temporary))
            continue;
        file->takeAccessOf(folder, name);
        Status written = file->writeAll(bytes);
        if (written)
            written = file->sync();
        if (written)
            written = file->close();
        if (!written) {
            (void)file->close(); // the write's own error is the one to report
            folder.remove(temporary);
            return FileError{path, written.error()};
        }
        if (Status renamed = folder.replaceName(temporary, name); !renamed) {
            folder.remove(temporary);
            return FileError{path, renamed.error()};
        }
        folder.sync();
        return {};
    }
    return FileError{path, FileRefusal::NoTemporaryName};
}

namespace {

// The last byte of the file, read through a handle of its own, since the append handle may be
// write only; nothing when it cannot be read.
std::optional<char> lastByteOf(const NativeFolder &folder, const QString &name, std::int64_t size)
{
    auto reader = NativeFile::open(folder, name, NativeFile::Mode::Read);
    if (!reader)
        return std::nullopt;
    const auto last = reader->readByteAt(size - 1);
    return last ? std::optional(*last) : std::nullopt;
}

// Whether the file is known to end with a whole line: empty, or ending with a line feed. A file
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

// Appends in the system's append mode, so that a concurrent writer's lines and a file rewritten
// meanwhile are never overwritten. A failed append or flush is cut back: the file is then byte
// for byte as it was, unless another program has written to it meanwhile.
FileStatus appendToFile(const QString &folderPath, const QString &name, Addition addition)
{
    const auto opened = NativeFolder::open(folderPath);
    if (!opened)
        return FileError{joinPath(folderPath, name), opened.error()};
    const NativeFolder &folder = *opened;
    const QString path = folder.pathOf(name);
    if (Status trusted = folder.checkLinkTrusted(name); !trusted)
        return FileError{path, trusted.error()};
    // The owner's own lock, as for a replaced file: reported as such, never as the system's
    // refusal.
    if (Status writable = folder.checkNotWriteProtected(name); !writable)
        return FileError{path, writable.error()};
    auto file = NativeFile::open(folder, name, NativeFile::Mode::Append);
    if (!file)
        return FileError{path, file.error()};
    // The size and last byte read below stay true until this append is done or cut back.
    if (Status held = file->holdAgainstOurOtherWriters(); !held)
        return FileError{path, held.error()};

    // Devices such as /dev/full have no size or last byte to look at, and cannot be cut back.
    const std::optional<std::int64_t> oldSize = file->regularFileSize();
    Status written = file->writeAll(addition(endsWithWholeLine(folder, name, oldSize)));
    if (written && oldSize)
        written = file->sync();
    if (!written) {
        if (!oldSize)
            return FileError{path, written.error()};
        // Cutting back to the old size would also remove what another program has appended
        // meanwhile, so the file is then left as it is.
        if (!file->endsWhereOurWritesLeftIt(*oldSize)) {
            if (const auto *system = std::get_if<SystemError>(&written.error()))
                return FileError{path, PartLeftIn{*system}};
            return FileError{path, written.error()};
        }
        (void)file->truncate(*oldSize); // the write's own error is the one to report
        return FileError{path, written.error()};
    }
    if (Status closed = file->close(); !closed)
        return FileError{path, closed.error()};
    return {};
}

} // namespace tintforge
