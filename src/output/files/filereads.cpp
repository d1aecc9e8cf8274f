// SPDX-License-Identifier: MIT
#include "filereads.h"

#include "nativefile.h"
#include "reaching.h"

#include <QFileInfo>

namespace tintforge {

Result<std::string, FileError> readWholeFile(const QString &path, std::size_t limit)
{
    auto file = NativeFile::open(path, NativeFile::Mode::Read);
    if (!file)
        return FileError{path, file.error()};
    if (!file->regularFileSize())
        return FileError{path, FileRefusal::NotOrdinaryFile};
    auto bytes = file->readUpTo(limit);
    if (!bytes)
        return FileError{path, bytes.error()};
    if (bytes->size() > limit)
        return FileError{path, TooLarge{limit}};
    return std::move(*bytes);
}

bool isFolder(const QString &path)
{
    const Result<bool, FileCause> there = NativeFolder::isThere(path);
    return there && *there;
}

bool nameExists(const QString &path)
{
    reaching(path);
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace tintforge
