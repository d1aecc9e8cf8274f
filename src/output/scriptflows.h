// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <optional>
#include <QString>

namespace tintforge {

class Composition;

// Make: writes the script into the game's user folder (see locateGameFolder), into every copy
// the game reads. When the game's folder was found nowhere, the failure says where Make looked
// and that "..." chooses another folder.
std::optional<WriteFailure> makeScript(const Composition &composition);

// Save: writes the script into the folder the user chose, into every copy the game reads.
// Closing the chooser afterwards is the window's business, and only on success.
std::optional<WriteFailure> saveScript(const QString &folder, const Composition &composition);

// Where Make will write, as a sentence for the user, found afresh each time it is asked for.
QString makeDestination();

} // namespace tintforge
