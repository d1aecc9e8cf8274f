// SPDX-License-Identifier: MIT
#include "open.h"

#include "gamecopies.h"
#include "gamefolder.h"
#include "model/codepage.h"
#include "output/files/nativefile.h"
#include "output/files/reaching.h"
#include "output/files/shownname.h"
#include "output/script/scriptreading.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tintforge {

namespace {

// The file's bytes, read only from an ordinary file and no further than any colour script goes,
// even one edited by hand, then what they hold.
Result<ScriptContents, FileError> readScriptFile(const QString &path)
{
    auto file = NativeFile::open(path, NativeFile::Mode::Read);
    if (!file)
        return FileError{path, file.error()};
    if (!file->regularFileSize())
        return FileError{path, {QStringLiteral("it is not an ordinary file")}};
    auto bytes = file->readUpTo(MaxOpenedScriptSize);
    if (!bytes)
        return FileError{path, bytes.error()};
    if (bytes->size() > MaxOpenedScriptSize)
        return FileError{path,
                         {QStringLiteral("it is larger than %1 KiB, which no colour script "
                                         "is, even one edited by hand")
                              .arg(MaxOpenedScriptSize / 1024)}};
    Result<ScriptContents, QString> read = readColourScript(*bytes);
    if (!read)
        return FileError{path, {read.error()}};
    return std::move(*read);
}

} // namespace

QString openDialogStart()
{
    const QString gameFolder = locateGameFolder().folder.path;
    reaching(gameFolder);
    return QFileInfo(gameFolder).isDir() ? gameFolder : QDir::homePath();
}

QString contentsMessage(const ScriptContents &contents, const QString &path)
{
    const std::vector<UnreadPart> &unread = contents.unread;
    const std::vector<std::string> &notKept = contents.notKept;
    QStringList lines;
    if (!unread.empty())
        lines << QStringLiteral("Not all of %1 could be read:").arg(quotedName(path));
    for (const UnreadPart &part : unread) {
        QStringList segments;
        for (const SegmentId id : part.leftEmpty)
            segments << QLatin1StringView(segmentKind(id).words);
        if (segments.isEmpty())
            lines << QStringLiteral("%1 %2.").arg(part.what, part.why);
        else
            lines << QStringLiteral("%1 %2; left empty: %3.")
                         .arg(part.what, part.why, segments.join(QStringLiteral(", ")));
    }
    if (!notKept.empty())
        lines << QStringLiteral("These lines of %1 are not kept: Make writes the script anew "
                                "without them.")
                     .arg(quotedName(path));
    for (const std::string &line : notKept) {
        // Each byte as the game's code page shows it; a control byte as itself, to be escaped.
        QString text;
        for (const char byte : line) {
            const char16_t character = characterOfByte(byte);
            text += QChar(character != 0 ? character : char16_t(static_cast<unsigned char>(byte)));
        }
        lines << QStringLiteral("  ") + escapedControls(text);
    }
    return lines.join(u'\n');
}

Result<OpenedScript, QString> openColourScript(const QString &path)
{
    const ScriptTheGameReads script = scriptTheGameReads(path);
    // Which file was opened, where it is not the one named, then what became of it.
    const auto told = [&script](const QString &message) {
        QStringList parts;
        for (const QString &part : {script.note, message}) {
            if (!part.isEmpty())
                parts << part;
        }
        return parts.join(QStringLiteral("\n\n"));
    };
    const Result<ScriptContents, FileError> read = readScriptFile(script.path);
    if (!read)
        return told(openFailureMessage(read.error()));
    return OpenedScript{read->composition, told(contentsMessage(*read, script.path))};
}

QString openFailureMessage(const FileError &error)
{
    return QStringLiteral("Could not open %1: %2.").arg(quotedName(error.path), error.cause.reason);
}

} // namespace tintforge
