// SPDX-License-Identifier: MIT
#pragma once

#include "model/composition.h"
#include "output/files/fileerror.h"
#include "output/script/scriptreading.h"

#include <QString>
#include <string>
#include <variant>
#include <vector>

namespace tintforge {

// A script opened: the file read, which is the redirected twin's copy of the file named where
// the game reads that one, and what it holds.
struct OpenedScript {
    QString named;
    QString read;
    ScriptContents contents;
};

// Why Open refuses a file the system and the script reader would have read.
enum class OpenRefusal {
    LargerThanAnyScript, // larger than MaxOpenedScriptSize
};

// Why a script could not be opened: the file layer's reason, the reader's, or Open's own.
using OpenCause = std::variant<FileCause, ScriptRefusal, OpenRefusal>;

// An open that failed: the file named, and the file read and why it could not be.
struct OpenFailure {
    QString named;
    FailedFile<OpenCause> error;
};

// Open: reads the colour script at `path` as the game reads it, which is its redirected twin's
// copy where one exists (see scriptTheGameReads). Only an ordinary file, and no more of it than
// any colour script holds, so that a device, a pipe or a huge file never holds the window.
Result<OpenedScript, OpenFailure> openColourScript(const QString &path);

// The folder an open dialog starts in: the game's folder where it is one, the home folder else.
QString openDialogStart();

} // namespace tintforge
