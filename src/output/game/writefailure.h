// SPDX-License-Identifier: MIT
#pragma once

#include "gamefolder.h"
#include "output/files/fileerror.h"

#include <QString>
#include <variant>
#include <vector>

namespace tintforge {

// Why a file of the game's could not be written: the file layer's reason, or the game folder's
// name that cannot be held exactly.
using WriteCause = std::variant<FileCause, GameRefusal>;
using WriteError = FailedFile<WriteCause>;

// What went wrong with one Make or Save: every file that could not be written, whether every
// copy of the script was in place all the same (only config.cfg failed), and, for a Make that
// found the game's folder nowhere, every place it looked in, the standard one first.
struct WriteFailure {
    std::vector<WriteError> files;
    bool scriptsWritten = false;
    std::vector<GameFolder> lookedIn;

    friend bool operator==(const WriteFailure &, const WriteFailure &) = default;
};

// One Make or Save that wrote: the folder whose color.cfg the game reads now, and where each
// previous color.cfg that held lines of the player's own was kept (see replaceScript).
struct Written {
    QString folder;
    std::vector<QString> kept;

    friend bool operator==(const Written &, const Written &) = default;
};

// One Make or Save: what it wrote, or what went wrong.
using WriteStatus = Result<Written, WriteFailure>;

} // namespace tintforge
