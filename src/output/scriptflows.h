// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <optional>
#include <QString>

namespace tintforge {

class Composition;

// Make: writes the script into the game's default user folder.
std::optional<FileError> makeScript(const Composition &composition);

// Save: writes the script into the folder the user chose. Closing the chooser afterwards is the
// window's business, and only on success.
std::optional<FileError> saveScript(const QString &folder, const Composition &composition);

} // namespace tintforge
