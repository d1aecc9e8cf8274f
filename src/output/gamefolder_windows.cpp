// SPDX-License-Identifier: MIT
#include "gamefolder.h"

namespace tintforge {

// The game's standard install path, whatever the system's program folder is called.
GameFolder DefaultGameFolder()
{
    return {QStringLiteral("C:\\Program Files\\Raven\\SOF\\user"), std::nullopt};
}

} // namespace tintforge
