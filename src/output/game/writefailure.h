// SPDX-License-Identifier: MIT
#pragma once

#include "gamefolder.h"
#include "output/files/fileerror.h"

#include <QString>
#include <vector>

namespace tintforge {

// What went wrong with one Make or Save: every file that could not be written, whether every
// copy of the script was in place all the same (only config.cfg failed), and, for a Make that
// found the game's folder nowhere, every place it looked in, the standard one first.
struct WriteFailure {
    std::vector<FileError> files;
    bool scriptsWritten = false;
    std::vector<GameFolder> lookedIn;

    friend bool operator==(const WriteFailure &, const WriteFailure &) = default;
};

// One Make or Save: the folder whose color.cfg the game reads now, or what went wrong.
using WriteStatus = Result<QString, WriteFailure>;

} // namespace tintforge
