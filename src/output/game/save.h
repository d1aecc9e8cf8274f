// SPDX-License-Identifier: MIT
#pragma once

#include "writefailure.h"

#include <QString>

namespace tintforge {

class Composition;

// Save: writes the script into the folder the user chose, into every copy of the files the game
// may read from it (see writeWhereTheGameReads).
WriteStatus saveScript(const QString &folder, const Composition &composition);

} // namespace tintforge
