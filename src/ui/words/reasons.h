// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"

#include <QString>

namespace tintforge {

// Why a step failed, as the user reads it after the file's name: the system's own words, or the
// program's for a refusal of its own ("it is not an ordinary file").
QString reasonText(const SystemError &error);

} // namespace tintforge
