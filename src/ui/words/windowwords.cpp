// SPDX-License-Identifier: MIT
#include "windowwords.h"

#include "output/files/shownname.h"
#include "output/script/filenames.h"

#include <QCoreApplication>

namespace tintforge {

namespace {

class WindowWords
{
    Q_DECLARE_TR_FUNCTIONS(WindowWords)

public:
    static QString segment(SegmentId id) { return QString::fromLatin1(segmentKind(id).words); }

    static QString goesOn(Waiting what)
    {
        switch (what) {
        case Waiting::Writing:
            return tr("The script is written once it answers, or you are told why not.");
        case Waiting::Destination:
            return tr("Where Make writes shows here once it answers.");
        case Waiting::OpenDialog:
            return tr("The open dialog shows once it answers.");
        case Waiting::Opening:
            return tr("The script opens once it answers.");
        case Waiting::FolderList:
            return tr("The folder list shows it once it answers; another folder or drive may be "
                      "chosen meanwhile.");
        case Waiting::DriveList:
            return tr("The drive list fills once it answers.");
        }
        return QString();
    }
};

} // namespace

QString menuNotice(SegmentId field)
{
    return WindowWords::tr("Menu of the %1 field.").arg(WindowWords::segment(field));
}

QString colourSubmenuNotice(const QString &marked)
{
    return WindowWords::tr("Colour submenu, %1 marked.").arg(marked);
}

QString clanSwitchNotice(bool on, bool hadText)
{
    if (on)
        return WindowWords::tr("Clan tag taken into the name.");
    return hadText ? WindowWords::tr("Clan tag left out, its text cleared.")
                   : WindowWords::tr("Clan tag left out.");
}

QString appendedNotice(const QString &added, SegmentId segment)
{
    return added.isEmpty()
               ? WindowWords::tr("Nothing added to the %1.").arg(WindowWords::segment(segment))
               : WindowWords::tr("%1 added to the %2.")
                     .arg(escapedControls(added), WindowWords::segment(segment));
}

QString notTakenNotice(const QString &characters, const QString &where)
{
    return WindowWords::tr("%1 not taken in the %2.").arg(characters, where);
}

QString leftOutMessage(const QString &characters, const QString &where)
{
    return WindowWords::tr("Left out of the %1: %2, which the game does not take there.")
        .arg(where, characters);
}

QString fieldFullNotice(const QString &where, qsizetype limit)
{
    return WindowWords::tr("The %1 is full: it takes %2 characters.")
        .arg(where, QString::number(limit));
}

QString cutAtLimitMessage(const QString &characters, const QString &where, qsizetype limit)
{
    return WindowWords::tr("Left out of the %1, which takes %2 characters: %3")
        .arg(where, QString::number(limit), characters);
}

QString colourNotice(SegmentId segment, const QString &colour)
{
    return WindowWords::tr("The %1 is now %2.").arg(WindowWords::segment(segment), colour);
}

QString openedNotice(const QString &path, const QString &name)
{
    return name.isEmpty()
               ? WindowWords::tr("Opened %1, which holds no name.").arg(quotedName(path))
               : WindowWords::tr("Opened %1, which holds the name %2.").arg(quotedName(path), name);
}

QString writtenNotice(const QString &folder)
{
    return WindowWords::tr("Wrote %1 into %2.")
        .arg(QLatin1StringView(ScriptFileName), quotedName(folder));
}

QString dropNotHandedOverMessage()
{
    return WindowWords::tr("Could not open what was dropped: the program it was dragged from "
                           "never handed it over.");
}

QString dropEmptyMessage()
{
    return WindowWords::tr("There was nothing to open in what was dropped.");
}

QString dropSeveralMessage(qsizetype count)
{
    return WindowWords::tr("Could not open the %1 dropped files: drop one colour script at a "
                           "time.")
        .arg(count);
}

QString dropNotAFileMessage(const QString &shown)
{
    return WindowWords::tr("Could not open %1: it is not a file on this computer.")
        .arg(quotedName(shown));
}

QString dropNamesNoFolderMessage(const QString &shown)
{
    return WindowWords::tr("Could not open %1: the address names no folder, so which file it is "
                           "cannot be told.")
        .arg(quotedName(shown));
}

QString dropOnAnotherComputerMessage(const QString &shown, const QString &host)
{
    return WindowWords::tr("Could not open %1: it is on another computer, %2.")
        .arg(quotedName(shown), host);
}

QString noProgramForLinkMessage(const QString &address)
{
    return WindowWords::tr("No program could be started to open \"%1\".").arg(address);
}

QString lookingUpDestination()
{
    return WindowWords::tr("Looking up where Make writes.");
}

QString currentFolderText(const QString &folder)
{
    return WindowWords::tr("current folder %1").arg(folder);
}

QString currentDriveText(const QString &drive)
{
    return WindowWords::tr("current drive %1").arg(drive);
}

QString folderLevelText(int level)
{
    return WindowWords::tr("level %1").arg(level);
}

QString busyName(const QString &caption)
{
    return WindowWords::tr("%1, busy").arg(caption);
}

QString notAnsweringMessage(const QString &path, std::chrono::milliseconds waited, Waiting what)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    if (path.isEmpty())
        return WindowWords::tr("The file system has not answered for %1 seconds. %2")
            .arg(QString::number(seconds), WindowWords::goesOn(what));
    return WindowWords::tr("Nothing has come back from %1 for %2 seconds: the file system it is "
                           "on does not answer. %3")
        .arg(quotedName(path), QString::number(seconds), WindowWords::goesOn(what));
}

QString writeWaitingNotice()
{
    return WindowWords::tr("Writing, waiting for the file system to answer.");
}

QString writeUnderWayNotice()
{
    return WindowWords::tr("A write is still under way: nothing more is written until it is "
                           "done.");
}

QString saveMeanwhileText(const QString &folder)
{
    return WindowWords::tr("Until then Save writes into %1.").arg(quotedName(folder));
}

QString controlName(ControlName control)
{
    switch (control) {
    case ControlName::WebPage:
        return WindowWords::tr("web page");
    case ControlName::MailToMaker:
        return WindowWords::tr("mail to the maker");
    case ControlName::SpecialCharacter:
        return WindowWords::tr("special character");
    case ControlName::SpecialCharacterBox:
        return WindowWords::tr("special character box");
    case ControlName::AppendSpecialCharacter:
        return WindowWords::tr("append special character");
    case ControlName::SaveInAnotherFolder:
        return WindowWords::tr("save in another folder");
    case ControlName::Folders:
        return WindowWords::tr("folders");
    }
    return QString();
}

QString scriptDialogTitle()
{
    return WindowWords::tr("Open a colour script");
}

QList<FileChoice> scriptDialogChoices()
{
    const QString scripts = QString::fromLatin1(ScriptFileName);
    const QString all = QStringLiteral("*");
    return {{WindowWords::tr("Colour scripts (%1)").arg(scripts), scripts},
            {WindowWords::tr("All files (%1)").arg(all), all}};
}

QString moreLinesText(qsizetype lines, bool restOfLine)
{
    if (restOfLine && lines == 0)
        return WindowWords::tr("... and the rest of this line");
    const QString more =
        lines == 1 ? WindowWords::tr("1 more line") : WindowWords::tr("%1 more lines").arg(lines);
    return restOfLine ? WindowWords::tr("... and the rest of this line and %1").arg(more)
                      : WindowWords::tr("... and %1").arg(more);
}

} // namespace tintforge
