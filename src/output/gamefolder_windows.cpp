// SPDX-License-Identifier: MIT
#include "gamefolder.h"

namespace tintforge {

// The game's standard install path, whatever the system's program folder is called.
QString DefaultGameFolder()
{
    return QStringLiteral("C:\\Program Files\\Raven\\SOF\\user");
}

} // namespace tintforge
