// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <QString>
#include <vector>

namespace tintforge {

// Why a place is not looked in: its name cannot be held exactly (bytes that are not valid UTF-8,
// in which the program names files on POSIX systems), so shown as text it would name a
// look-alike folder, or none, and the program never writes into a folder other than the one
// named. Which name is at fault.
enum class GameRefusal {
    InexactHomeName,       // the home folder's
    InexactWinePrefixName, // the Wine prefix's (WINEPREFIX)
};

// A place where the game's user folder may be.
struct GameFolder {
    QString path;
    std::optional<GameRefusal> unreachable;
    // Its redirected twin, where it has one (see redirectedTwin), which is looked in too.
    std::optional<QString> twin;

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
