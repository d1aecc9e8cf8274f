// SPDX-License-Identifier: MIT
#pragma once

#include "model/composition.h"

#include <chrono>
#include <QList>
#include <QString>

namespace tintforge {

// What the windows say of what the user did, in messages and in what screen readers hear.

// What screen readers call the controls whose caption says too little ("^>", "...") or that
// show none (the links, the glyph box, the chooser's folder list).
enum class ControlName {
    WebPage,
    MailToMaker,
    SpecialCharacter,       // the glyph box
    SpecialCharacterBox,    // the glyph box as a place characters are typed in
    AppendSpecialCharacter, // "^>"
    SaveInAnotherFolder,    // "..."
    Folders,                // the chooser's folder list
};
QString controlName(ControlName control);

// The open dialog's title, and its choices of what to show, the first chosen: each a label
// ("Colour scripts (color.cfg)") and its file name pattern.
QString scriptDialogTitle();
struct FileChoice {
    QString label;
    QString pattern;
};
QList<FileChoice> scriptDialogChoices();

// The last row of a message cut to fit the screen: how many more of its lines are left out, and
// whether the rest of the line the rows before began is left out too.
QString moreLinesText(qsizetype lines, bool restOfLine);

// A field's menu, as it opens, and its Colour submenu with the colour it marks.
QString menuNotice(SegmentId field);
QString colourSubmenuNotice(const QString &marked);
// The clan switch ticked, or unticked with or without text in the tag, which it clears.
QString clanSwitchNotice(bool on, bool hadText);
// What "^>" added to a segment; nothing, where the segment was full.
QString appendedNotice(const QString &added, SegmentId segment);
// Characters a field or box did not take, by key and as a message (`where` is the control).
QString notTakenNotice(const QString &characters, const QString &where);
QString leftOutMessage(const QString &characters, const QString &where);
// A key past a field's limit, and what a paste, a drop or "^>" lost to it (`limit` characters).
QString fieldFullNotice(const QString &where, qsizetype limit);
QString cutAtLimitMessage(const QString &characters, const QString &where, qsizetype limit);
// The colour a segment now shows.
QString colourNotice(SegmentId segment, const QString &colour);
// A script opened, with the name the player will carry (none, where it holds none).
QString openedNotice(const QString &path, const QString &name);
// Where Make or Save wrote.
QString writtenNotice(const QString &folder);
// A drop that does not open: nothing came from the program it was dragged from, the list held
// no file or several, or what it names is no file here (`shown` as the system names it).
QString dropNotHandedOverMessage();
QString dropEmptyMessage();
QString dropSeveralMessage(qsizetype count);
QString dropNotAFileMessage(const QString &shown);
QString dropNamesNoFolderMessage(const QString &shown);
QString dropOnAnotherComputerMessage(const QString &shown, const QString &host);
// A link no program could open.
QString noProgramForLinkMessage(const QString &address);
// Make's description while where it writes is still being found.
QString lookingUpDestination();

// The chooser: the folder Save writes into, the drive it is on, and an entry's depth.
QString currentFolderText(const QString &folder);
QString currentDriveText(const QString &drive);
QString folderLevelText(int level);
// A button whose work is under way, as screen readers hear it.
QString busyName(const QString &caption);
// A Make or Save waiting on the file system, and a press meanwhile.
QString writeWaitingNotice();
QString writeUnderWayNotice();

// Work that waits on the file system and what goes on meanwhile, once it has waited `waited`
// on `path` (none known: the file system itself).
enum class Waiting { Writing, Destination, OpenDialog, Opening, FolderList, DriveList };
QString notAnsweringMessage(const QString &path, std::chrono::milliseconds waited, Waiting what);
// Where the chooser's Save writes while the folder asked for is still being listed.
QString saveMeanwhileText(const QString &folder);

} // namespace tintforge
