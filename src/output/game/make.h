// SPDX-License-Identifier: MIT
#pragma once

#include "writefailure.h"

#include <QString>

namespace tintforge {

class Composition;

// One Make: the folder whose color.cfg the game reads now, or what went wrong.
using MakeStatus = WriteStatus;

// Make: writes the script into the game's user folder (see locateGameFolder), into every copy
// the game reads. When the game's folder was found nowhere, the failure says where Make looked
// and that "..." chooses another folder.
MakeStatus makeScript(const Composition &composition);

// Where Make will write, as a sentence for the user, found afresh each time it is asked for: the
// folder the game will read the script from, and the game's folder it stands for where that is
// the redirected twin.
QString makeDestination();

} // namespace tintforge
