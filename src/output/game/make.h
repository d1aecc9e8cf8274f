// SPDX-License-Identifier: MIT
#pragma once

#include "gamefolder.h"
#include "writefailure.h"

#include <QString>

namespace tintforge {

class Composition;

// Make: writes the script into the game's user folder (see locateGameFolder), into every copy
// the game reads. When the game's folder was found nowhere, the failure holds every place Make
// looked in.
WriteStatus makeScript(const Composition &composition);

// Where Make will write, found afresh each time it is asked for: where the game's folder was
// looked for and found, and the folder the game will read the script from, which is the found
// folder's redirected twin where the script goes there.
struct MakeDestination {
    GameFolderSearch search;
    QString reads; // empty where the game's folder was found nowhere
};
MakeDestination makeDestination();

} // namespace tintforge
