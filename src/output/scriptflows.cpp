// SPDX-License-Identifier: MIT
#include "scriptflows.h"

#include "colourscript.h"
#include "gamefolder.h"
#include "scriptwriter.h"

namespace tintforge {

std::optional<FileError> makeScript(const Composition &composition)
{
    const GameFolder folder = DefaultGameFolder();
    if (folder.unreachable)
        return FileError{joinPath(folder.path, ScriptFileName), *folder.unreachable};
    return writeColourScript(folder.path, composition);
}

std::optional<FileError> saveScript(const QString &folder, const Composition &composition)
{
    return writeColourScript(folder, composition);
}

} // namespace tintforge
