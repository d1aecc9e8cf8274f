// SPDX-License-Identifier: MIT
#include "scriptwriting.h"

#include "output/files/filewrites.h"
#include "output/script/execline.h"
#include "output/script/filenames.h"
#include "output/script/scriptrendering.h"

namespace tintforge {

FileStatus appendExecLine(const QString &folder)
{
    return appendToFile(folder, QString::fromLatin1(ConfigFileName), execLineAddition);
}

FileStatus writeColourScript(const QString &folder, const Composition &composition)
{
    if (FileStatus replaced = replaceFile(folder, QString::fromLatin1(ScriptFileName),
                                          renderColourScript(composition));
        !replaced)
        return replaced;
    return appendExecLine(folder);
}

} // namespace tintforge
