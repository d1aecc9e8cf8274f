// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include "gamecopies.h"
#include "scriptwriter.h"

#include <QDir>
#include <QFileInfo>

namespace tintforge {

QString joinPath(const QString &folder, const QString &fileName)
{
    QString path = folder;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(QLatin1Char('/')))
        path += QDir::separator();
    return path + fileName;
}

QString joinPath(const QString &folder, std::string_view fileName)
{
    return joinPath(folder, QString::fromLatin1(fileName.data(), qsizetype(fileName.size())));
}

GameFolder DefaultGameFolder()
{
    return gameFolderCandidates().front();
}

namespace {

const QString ChooseAnother = QStringLiteral("Use \"...\" to choose another folder.");

// Whether the game sees a folder at `path`: the folder itself, or its redirected twin.
bool gameSeesFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    const std::optional<QString> twin = redirectedTwin(path);
    return twin && QFileInfo(*twin).isDir();
}

// Where Windows redirects the game's writes out of a folder, its copy there, which was looked
// in too; nothing elsewhere.
QString twinText(const QString &folder)
{
    const std::optional<QString> twin = redirectedTwin(folder);
    return twin ? QStringLiteral(" (or its VirtualStore copy %1)").arg(quotedName(*twin))
                : QString();
}

// A place looked in, quoted, with its redirected copy, and the reason it was passed over where
// it was.
QString placeText(const GameFolder &place)
{
    const QString quoted = quotedName(place.path);
    return place.unreachable
               ? QStringLiteral("%1 (not looked in: %2)").arg(quoted, *place.unreachable)
               : quoted + twinText(place.path);
}

// The places after the standard one, each on a line of its own.
QString otherPlaces(const MakeFolder &make)
{
    QStringList places;
    for (std::size_t i = 1; i < make.lookedIn.size(); ++i)
        places << placeText(make.lookedIn[i]);
    return places.join(u'\n');
}

} // namespace

MakeFolder locateGameFolder()
{
    const std::vector<GameFolder> candidates = gameFolderCandidates();
    MakeFolder make{candidates.front(), false, candidates};
    for (const GameFolder &candidate : candidates) {
        // A name that cannot be held exactly is never looked at: that would be its look-alike.
        if (!candidate.unreachable && gameSeesFolder(candidate.path)) {
            make.folder = candidate;
            make.found = true;
            break;
        }
    }
    return make;
}

MakeStatus makeScript(const Composition &composition)
{
    const MakeFolder make = locateGameFolder();
    const GameFolder &folder = make.folder;
    WriteStatus written =
        folder.unreachable
            ? WriteFailure{{{joinPath(folder.path, ScriptFileName), {*folder.unreachable}}},
                           QString()}
            : writeWhereTheGameReads(folder.path, composition);
    if (written)
        return written;
    if (!make.found) {
        written.error().advice =
            make.lookedIn.size() > 1
                ? QStringLiteral("The game's folder was not found there%1, nor in:\n")
                          .arg(twinText(folder.path)) +
                      otherPlaces(make) + u'\n' + ChooseAnother
                : ChooseAnother;
    }
    return std::move(written.error());
}

QString makeDestination()
{
    const MakeFolder make = locateGameFolder();
    if (make.found) {
        const QString reads = folderTheGameReads(make.folder.path);
        QString text = QStringLiteral("Writes color.cfg into %1.").arg(quotedName(reads));
        if (reads != make.folder.path)
            text += QStringLiteral("\nThis is the game's VirtualStore copy of %1.")
                        .arg(quotedName(make.folder.path));
        return text;
    }
    QString text = QStringLiteral("The game's folder was not found in %1")
                       .arg(placeText(make.lookedIn.front()));
    if (make.lookedIn.size() > 1)
        text += QStringLiteral(", nor in:\n") + otherPlaces(make);
    return text + QStringLiteral(".\n") + ChooseAnother;
}

} // namespace tintforge
