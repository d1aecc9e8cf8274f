// SPDX-License-Identifier: MIT
#include "filehost.h"

namespace tintforge {

// "file://HOST/share/x.cfg" is the server's share, "\\HOST\share\x.cfg".
bool opensFilesOnOtherHosts()
{
    return true;
}

} // namespace tintforge
