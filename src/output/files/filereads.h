// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <cstddef>
#include <QString>
#include <string>

namespace tintforge {

// Reading a file whole, and asking what a path names. Each reaches the path first (see
// reaching), since a folder that does not answer holds these calls too.

// The bytes of the ordinary file at `path`, read whole: fails as NotOrdinaryFile for a folder,
// a device or a pipe, so that none of them holds the caller, and as TooLarge where the file
// holds more than `limit` bytes, which are all it reads.
Result<std::string, FileError> readWholeFile(const QString &path, std::size_t limit);

// Whether `path` names a folder, following links; false where that cannot be told (see
// NativeFolder::isThere for the reason).
bool isFolder(const QString &path);

// Whether anything has the name `path`, a link that leads nowhere included.
bool nameExists(const QString &path);

} // namespace tintforge
