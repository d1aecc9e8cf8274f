// SPDX-License-Identifier: MIT
#include "scriptflows.h"

#include "gamefolder.h"
#include "scriptwriter.h"

namespace tintforge {

std::optional<FileError> makeScript(const Composition &composition)
{
    return writeColourScript(DefaultGameFolder(), composition);
}

std::optional<FileError> saveScript(const QString &folder, const Composition &composition)
{
    return writeColourScript(folder, composition);
}

} // namespace tintforge
