// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintforge {

// Whether a file address naming another computer (a host neither empty nor "localhost", which
// are this computer) names a file the program can open: on Windows a server's shared folder
// (\\HOST\share\...), which the system opens as any file; elsewhere nothing.
bool opensFilesOnOtherHosts();

} // namespace tintforge
