// SPDX-License-Identifier: MIT
#include "filehost.h"

namespace tintforge {

// A file address with another computer's name is no file here: the system has no path for it.
bool opensFilesOnOtherHosts()
{
    return false;
}

} // namespace tintforge
