// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"

#include <QString>
#include <string>
#include <string_view>

namespace tintforge {

// The two ways a file is written: replaced whole, or added to at its end.

// Replaces the file `name` in `folder` with `bytes` whole, through a temporary file beside it and
// one rename; a file its owner made read-only is refused. Creates it when missing.
FileStatus replaceFile(const QString &folder, const QString &name, std::string_view bytes);

// What to add to a file, given whether it is known to end with a whole line (empty, or ending
// with a line feed), so that a line added is never glued to the last one.
using Addition = std::string (*)(bool endsWithWholeLine);

// Appends the addition to the file `name` in `folder`, creating it when missing; a failed append
// is cut back. Fails as a file in use when another program keeps it locked, and names why when it
// is a link another user may have planted.
FileStatus appendToFile(const QString &folder, const QString &name, Addition addition);

} // namespace tintforge
