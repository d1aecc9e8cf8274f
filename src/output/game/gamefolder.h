// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"

#include <optional>
#include <QString>
#include <vector>

namespace tintforge {

// A place where the game's user folder may be.
struct GameFolder {
    QString path;
    // Why the folder cannot be written to, when its name cannot be held exactly (bytes that are
    // not valid UTF-8, in which the program names files on POSIX systems): shown as text it would
    // name a look-alike folder, or none, and the program never writes into a folder other than
    // the one named. Which name is at fault: the home folder's or the Wine prefix's.
    std::optional<Refusal> unreachable;

    friend bool operator==(const GameFolder &, const GameFolder &) = default;
};

// The places where Make looks for the game's user folder, in order, the standard one first:
// README's "Where it writes" lists them for each system, and the tests hold this function to that
// list. The home folder is HOME, read each time, or the account's home from the user database
// when HOME is unset, empty or relative.
std::vector<GameFolder> gameFolderCandidates();

// The standard place, the first of gameFolderCandidates().
GameFolder defaultGameFolder();

// For a folder that Windows redirects the game's writes out of (the program folders and the
// Windows folder: the game is an old 32-bit program, which Windows redirects when it may not
// write there), the folder the game's writes go to instead: its twin in the player's
// VirtualStore, whose files the game reads wherever they exist. Nothing for any other folder,
// and on other systems.
std::optional<QString> redirectedTwin(const QString &folder);

// Where the game's folder was found: the first place the game sees a folder at, or the standard
// place when the game sees none.
struct GameFolderSearch {
    GameFolder folder;
    bool found = false;
    // Every place looked in, the standard one first; one whose name cannot be held exactly
    // carries why it was passed over.
    std::vector<GameFolder> lookedIn;
};
GameFolderSearch locateGameFolder();

} // namespace tintforge
