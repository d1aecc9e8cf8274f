// SPDX-License-Identifier: MIT
#include "filemessages.h"

#include "model/codepage.h"
#include "output/files/shownname.h"
#include "output/script/execline.h"
#include "output/script/filenames.h"
#include "reasons.h"

#include <QCoreApplication>
#include <QStringList>

namespace tintforge {

namespace {

class FileMessages
{
    Q_DECLARE_TR_FUNCTIONS(FileMessages)

public:
    // Named as screen readers name the button too.
    static QString chooseAnother()
    {
        return tr("Use \"...\" (save in another folder) to choose another folder.");
    }

    // Where Windows redirects the game's writes out of a place, its copy there, which was looked
    // in too; nothing elsewhere.
    static QString twinText(const GameFolder &place)
    {
        return place.twin ? tr(" (or its VirtualStore copy %1)").arg(quotedName(*place.twin))
                          : QString();
    }

    // A place looked in, quoted, with its redirected copy, and the reason it was passed over
    // where it was.
    static QString placeText(const GameFolder &place)
    {
        const QString quoted = quotedName(place.path);
        return place.unreachable
                   ? tr("%1 (not looked in: %2)").arg(quoted, reasonText(*place.unreachable))
                   : quoted + twinText(place);
    }

    // The places after the standard one, each on a line of its own.
    static QString otherPlaces(const std::vector<GameFolder> &lookedIn)
    {
        QStringList places;
        for (std::size_t i = 1; i < lookedIn.size(); ++i)
            places << placeText(lookedIn[i]);
        return places.join(u'\n');
    }

    // What the user can do about a Make or Save that failed, where there is more to say than
    // the system's reasons.
    static QString advice(const WriteFailure &failure)
    {
        if (failure.lookedIn.size() > 1)
            return tr("The game's folder was not found there%1, nor in:\n")
                       .arg(twinText(failure.lookedIn.front())) +
                   otherPlaces(failure.lookedIn) + u'\n' + chooseAnother();
        if (!failure.lookedIn.empty())
            return chooseAnother();
        if (failure.scriptsWritten)
            return tr("%1 is written; the game runs it once %2 holds the line \"%3\".")
                .arg(QLatin1StringView(ScriptFileName), QLatin1StringView(ConfigFileName),
                     QString::fromStdString(execLine()));
        return QString();
    }

    static QString destination(const MakeDestination &destination)
    {
        const GameFolderSearch &search = destination.search;
        if (search.found) {
            QString text =
                tr("Writes %1 into %2.")
                    .arg(QLatin1StringView(ScriptFileName), quotedName(destination.reads));
            if (destination.reads != search.folder.path)
                text += u'\n' + tr("This is the game's VirtualStore copy of %1.")
                                    .arg(quotedName(search.folder.path));
            return text;
        }
        if (search.lookedIn.size() > 1)
            return tr("The game's folder was not found in %1, nor in:\n%2.")
                       .arg(placeText(search.lookedIn.front()), otherPlaces(search.lookedIn)) +
                   u'\n' + chooseAnother();
        return tr("The game's folder was not found in %1.")
                   .arg(placeText(search.lookedIn.front())) +
               u'\n' + chooseAnother();
    }

    template <typename Cause> static QString writeFailure(const FailedFile<Cause> &error)
    {
        return tr("Could not write %1: %2.").arg(quotedName(error.path), reasonText(error.cause));
    }

    template <typename Cause> static QString openFailure(const FailedFile<Cause> &error)
    {
        return tr("Could not open %1: %2.").arg(quotedName(error.path), reasonText(error.cause));
    }

    // Where the game reads another copy than the one named, the copy opened.
    static QString copyOpened(const QString &named, const QString &read)
    {
        return read == named ? QString()
                             : tr("Opened %1, the game's VirtualStore copy of %2: the game reads "
                                  "that copy.")
                                   .arg(quotedName(read), quotedName(named));
    }

    static QString lineWord(ScriptLine line)
    {
        switch (line) {
        case ScriptLine::Name:
            return tr("name");
        case ScriptLine::Host:
            return tr("host");
        case ScriptLine::Message:
            return tr("message");
        }
        return QString();
    }

    // A segment's bytes as the code page shows them, one after another with a space between.
    static QString shownBytes(std::string_view bytes)
    {
        QStringList shown;
        for (const char byte : bytes)
            shown << QString(QChar(characterOfByte(byte)));
        return shown.join(u' ');
    }

    static QString why(const UnreadPart &part)
    {
        switch (part.why) {
        case Unread::Missing:
            return tr("is missing");
        case Unread::Repeated:
            return tr("appears more than once");
        case Unread::Unclosed:
            return tr("does not end with a quote");
        case Unread::Uncoded:
            return tr("does not start with a colour code");
        case Unread::MoreCodes:
            return tr("holds more colour codes than segments");
        case Unread::FewerCodes:
            return tr("holds fewer colour codes than segments");
        case Unread::TooLong:
            return tr("is longer than %1 characters")
                .arg(part.segment ? segmentKind(*part.segment).maxLength : 0);
        case Unread::FieldsRefuse:
            return tr("holds a character the fields do not take");
        case Unread::GameRefuses:
            return tr("holds %1, which the game does not take there; left out")
                .arg(shownBytes(part.leftOut));
        }
        return QString();
    }

    static QString unreadLine(const UnreadPart &part)
    {
        const QString what =
            part.segment
                ? tr("The %1 line's %2")
                      .arg(lineWord(part.line), QLatin1StringView(segmentKind(*part.segment).words))
                : tr("The %1 line").arg(lineWord(part.line));
        QStringList segments;
        for (const SegmentId id : part.leftEmpty)
            segments << QLatin1StringView(segmentKind(id).words);
        return segments.isEmpty() ? tr("%1 %2.").arg(what, why(part))
                                  : tr("%1 %2; left empty: %3.")
                                        .arg(what, why(part), segments.join(QStringLiteral(", ")));
    }

    // What the user is told when not all of the file at `path` was read, or not all of it will
    // be written again; empty when Make writes it as it is.
    static QString contents(const ScriptContents &contents, const QString &path)
    {
        QStringList lines;
        if (!contents.unread.empty())
            lines << tr("Not all of %1 could be read:").arg(quotedName(path));
        for (const UnreadPart &part : contents.unread)
            lines << unreadLine(part);
        if (!contents.notKept.empty())
            lines << tr("These lines of %1 are not kept: Make writes the script anew without "
                        "them.")
                         .arg(quotedName(path));
        for (const std::string &line : contents.notKept) {
            // Each byte as the game's code page shows it; a control byte as itself, escaped.
            QString text;
            for (const char byte : line) {
                const char16_t character = characterOfByte(byte);
                text +=
                    QChar(character != 0 ? character : char16_t(static_cast<unsigned char>(byte)));
            }
            lines << QStringLiteral("  ") + escapedControls(text);
        }
        return lines.join(u'\n');
    }
};

// The parts of a message that say something, a blank line between each.
QString paragraphs(const QStringList &parts)
{
    QStringList said;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            said << part;
    }
    return said.join(QStringLiteral("\n\n"));
}

} // namespace

QString writeFailureMessage(const FileError &error)
{
    return FileMessages::writeFailure(error);
}

QString writeFailureMessage(const WriteFailure &failure)
{
    QStringList lines;
    for (const WriteError &file : failure.files)
        lines << FileMessages::writeFailure(file);
    if (const QString advice = FileMessages::advice(failure); !advice.isEmpty())
        lines << QString() << advice;
    return lines.join(u'\n');
}

QString openFailureMessage(const FileError &error)
{
    return FileMessages::openFailure(error);
}

QString openFailureMessage(const OpenFailure &failure)
{
    return paragraphs({FileMessages::copyOpened(failure.named, failure.error.path),
                       FileMessages::openFailure(failure.error)});
}

QString keptScriptsMessage(const std::vector<QString> &kept)
{
    QStringList lines;
    for (const QString &path : kept)
        lines << FileMessages::tr("The %1 replaced held lines of your own, which the script "
                                  "does not write: it is kept as %2.")
                     .arg(QLatin1StringView(ScriptFileName), quotedName(path));
    return lines.join(u'\n');
}

QString makeDestinationText(const MakeDestination &destination)
{
    return FileMessages::destination(destination);
}

QString contentsMessage(const ScriptContents &contents, const QString &path)
{
    return FileMessages::contents(contents, path);
}

QString openedMessage(const OpenedScript &opened)
{
    return paragraphs({FileMessages::copyOpened(opened.named, opened.read),
                       FileMessages::contents(opened.contents, opened.read)});
}

} // namespace tintforge
