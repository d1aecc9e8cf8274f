// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"
#include "output/game/open.h"
#include "output/game/writefailure.h"
#include "output/script/scriptreading.h"

#include <QString>

namespace tintforge {

// Why a step failed, as the user reads it after the file's name: the system's own words, or the
// program's for a reason of its own ("it is not an ordinary file"), whichever layer found it.
QString reasonText(const SystemError &error);
QString reasonText(FileRefusal refusal);
QString reasonText(const TooLarge &tooLarge);
QString reasonText(const PartLeftIn &partLeft);
QString reasonText(const DanglingLink &link);
QString reasonText(ScriptRefusal refusal);
QString reasonText(GameRefusal refusal);
QString reasonText(OpenRefusal refusal);
// A cause that holds one of the above, as that one reads.
QString reasonText(const FileCause &cause);
QString reasonText(const WriteCause &cause);
QString reasonText(const OpenCause &cause);

} // namespace tintforge
