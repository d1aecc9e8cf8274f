// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"
#include "output/game/make.h"
#include "output/game/open.h"
#include "output/game/writefailure.h"

#include <QString>
#include <vector>

namespace tintforge {

// The messages the user reads about files: a file that could not be written or opened, with
// the system's reason; a whole Make or Save that failed, and what the user can do about it;
// where Make writes; and what became of a script opened.

QString writeFailureMessage(const FileError &error);
QString writeFailureMessage(const WriteFailure &failure);
QString openFailureMessage(const FileError &error);
QString openFailureMessage(const OpenFailure &failure);

// That each previous color.cfg at `kept` held lines of the player's own, and is kept there; empty
// where none was kept.
QString keptScriptsMessage(const std::vector<QString> &kept);

// Where Make writes: the folder the game reads the script from and, where that is the
// VirtualStore copy, the game's folder it stands for; or every place looked in, and what to do.
QString makeDestinationText(const MakeDestination &destination);

// Which copy was opened, where it is not the one named, then what was not read or will not be
// written again; empty where there is nothing to say.
QString openedMessage(const OpenedScript &opened);
// What was not read of the script at `path`, or will not be written again; empty where Make
// writes it as it is.
QString contentsMessage(const ScriptContents &contents, const QString &path);

} // namespace tintforge
