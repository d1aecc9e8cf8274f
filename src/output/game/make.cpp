// SPDX-License-Identifier: MIT
#include "make.h"

#include "gamecopies.h"
#include "gamefolder.h"
#include "output/files/paths.h"
#include "output/files/shownname.h"
#include "output/script/execline.h"

#include <QStringList>

namespace tintforge {

namespace {

// Named as screen readers name the button too.
const QString ChooseAnother =
    QStringLiteral("Use \"...\" (save in another folder) to choose another folder.");

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
    return place.unreachableReason
               ? QStringLiteral("%1 (not looked in: %2)").arg(quoted, *place.unreachableReason)
               : quoted + twinText(place.path);
}

// The places after the standard one, each on a line of its own.
QString otherPlaces(const GameFolderSearch &search)
{
    QStringList places;
    for (std::size_t i = 1; i < search.lookedIn.size(); ++i)
        places << placeText(search.lookedIn[i]);
    return places.join(u'\n');
}

} // namespace

MakeStatus makeScript(const Composition &composition)
{
    const GameFolderSearch search = locateGameFolder();
    const GameFolder &folder = search.folder;
    WriteStatus written =
        folder.unreachableReason
            ? WriteFailure{{{joinPath(folder.path, ScriptFileName), {*folder.unreachableReason}}},
                           QString()}
            : writeWhereTheGameReads(folder.path, composition);
    if (written)
        return written;
    if (!search.found) {
        written.error().advice =
            search.lookedIn.size() > 1
                ? QStringLiteral("The game's folder was not found there%1, nor in:\n")
                          .arg(twinText(folder.path)) +
                      otherPlaces(search) + u'\n' + ChooseAnother
                : ChooseAnother;
    }
    return std::move(written.error());
}

QString makeDestination()
{
    const GameFolderSearch search = locateGameFolder();
    if (search.found) {
        const QString reads = folderTheGameReads(search.folder.path);
        QString text = QStringLiteral("Writes %1 into %2.")
                           .arg(QLatin1StringView(ScriptFileName), quotedName(reads));
        if (reads != search.folder.path)
            text += QStringLiteral("\nThis is the game's VirtualStore copy of %1.")
                        .arg(quotedName(search.folder.path));
        return text;
    }
    QString text = QStringLiteral("The game's folder was not found in %1")
                       .arg(placeText(search.lookedIn.front()));
    if (search.lookedIn.size() > 1)
        text += QStringLiteral(", nor in:\n") + otherPlaces(search);
    return text + QStringLiteral(".\n") + ChooseAnother;
}

} // namespace tintforge
