// SPDX-License-Identifier: MIT
#pragma once

#include "fileerror.h"
#include "gamecopies.h"

#include <optional>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

namespace tintforge {

class Composition;

// A place where the game's user folder may be.
struct GameFolder {
    QString path;
    // Why the folder cannot be written to, when its name cannot be held exactly (bytes that are
    // not valid UTF-8, in which the program names files on POSIX systems): shown as text it would
    // name a look-alike folder, or none, and the program never writes into a folder other than
    // the one named.
    std::optional<QString> unreachable;
};

// The places where Make looks for the game's user folder, in order. First the standard one: the
// standard install path on Windows, the Linux release's user folder (~/.loki/sof) elsewhere.
// Then where players have the game today: on Windows the same folder under the system's folder
// for 32-bit programs, where the game's installer puts it on 64-bit Windows; elsewhere the
// Windows game under Wine, in $WINEPREFIX and then ~/.wine, under both program folder names.
// The home folder is HOME, read each time, or the account's home from the user database when
// HOME is unset, empty or relative.
std::vector<GameFolder> gameFolderCandidates();

// The standard place, the first of gameFolderCandidates().
GameFolder DefaultGameFolder();

// For a folder that Windows redirects the game's writes out of (the program folders and the
// Windows folder: the game is an old 32-bit program, which Windows redirects when it may not
// write there), the folder the game's writes go to instead: its twin in the player's
// VirtualStore, whose files the game reads wherever they exist. Nothing for any other folder,
// and on other systems.
std::optional<QString> redirectedTwin(const QString &folder);

// Where Make writes: the first place the game sees a folder at, or the standard place when the
// game sees none.
struct MakeFolder {
    GameFolder folder;
    bool found = false;
    // Every place looked in, the standard one first; one whose name cannot be held exactly
    // carries why it was passed over.
    std::vector<GameFolder> lookedIn;
};
MakeFolder locateGameFolder();

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

// The folder, the platform's separator and the file name. A folder that already ends with a
// separator (a drive's root, or "/") gets no second one.
QString joinPath(const QString &folder, const QString &fileName);
QString joinPath(const QString &folder, std::string_view fileName);

} // namespace tintforge
