#include "scriptwriter.h"

#include "colourscript.h"
#include "gamefolder.h"

#include <QFile>
#include <QSaveFile>

namespace tintforge {

namespace {

// Writes unbuffered and retries after a short write, so that a full disk or a file size limit
// surfaces as the system's own error instead of a silently short file.
bool writeAll(QFileDevice &file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<FileError> replaceScript(const QString &path, std::string_view script)
{
    QSaveFile file(path);
    // An uncommitted QSaveFile removes its temporary file when it goes out of scope.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, script) ||
        !file.commit())
        return FileError{path, file.errorString()};
    return std::nullopt;
}

// Appends the exec line, first ending an unfinished last line so the exec line stands alone.
// Only the last byte is read; the rest of the file is never touched.
std::optional<FileError> appendExecLine(const QString &path)
{
    QFile file(path);
    // Read-write rather than append: the last byte must be read, and after it the position is
    // already the end of the file.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return FileError{path, file.errorString()};

    std::string addition;
    // A device such as /dev/full has no last byte to look at.
    if (!file.isSequential() && file.size() > 0) {
        char last = 0;
        if (!file.seek(file.size() - 1) || !file.getChar(&last))
            return FileError{path, file.errorString()};
        if (last != '\n')
            addition += LineEnd;
    }
    addition.append(ExecLine).append(LineEnd);

    if (!writeAll(file, addition))
        return FileError{path, file.errorString()};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileError{path, file.errorString()};
    return std::nullopt;
}

} // namespace

std::optional<FileError> writeColourScript(const QString &folder, const Composition &composition)
{
    if (auto error =
            replaceScript(joinPath(folder, ScriptFileName), renderColourScript(composition)))
        return error;
    return appendExecLine(joinPath(folder, ConfigFileName));
}

} // namespace tintforge
