// SPDX-License-Identifier: MIT
#pragma once

#include "model/composition.h"
#include "output/files/fileerror.h"
#include "output/script/scriptreading.h"

#include <QString>

namespace tintforge {

// A script opened: what it holds, and what the user is told about it (which copy was opened,
// what was not read or will not be written again); the message is empty when there is nothing
// to say.
struct OpenedScript {
    Composition composition;
    QString message;
};

// Open: reads the colour script at `path` as the game reads it, which is its redirected twin's
// copy where one exists (see scriptTheGameReads). Only an ordinary file, and no more of it than
// any colour script holds, so that a device, a pipe or a huge file never holds the window. The
// failure is the message for the user.
Result<OpenedScript, QString> openColourScript(const QString &path);

// What the user is told when not all of the file at `path` was read, or not all of it will be
// written again; empty when Make writes it as it is.
QString contentsMessage(const ScriptContents &contents, const QString &path);

// The folder an open dialog starts in: the game's folder where it is one, the home folder else.
QString openDialogStart();

// The message for an open that failed: the file and why.
QString openFailureMessage(const FileError &error);

} // namespace tintforge
