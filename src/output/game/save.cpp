// SPDX-License-Identifier: MIT
#include "save.h"

#include "gamecopies.h"

namespace tintforge {

WriteStatus saveScript(const QString &folder, const Composition &composition)
{
    return writeWhereTheGameReads(folder, composition);
}

} // namespace tintforge
