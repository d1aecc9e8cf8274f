// SPDX-License-Identifier: MIT
#include "scriptflows.h"

#include "colourscript.h"
#include "gamecopies.h"
#include "gamefolder.h"

#include <algorithm>
#include <QFileInfo>

namespace tintforge {

namespace {

const QString ChooseAnother = QStringLiteral("Use \"...\" to choose another folder.");

// The places after the standard one, each quoted on a line of its own.
QString otherPlaces(const MakeFolder &make)
{
    QStringList quoted;
    for (const QString &place : make.lookedIn.mid(1))
        quoted << QStringLiteral("\"%1\"").arg(place);
    return quoted.join(u'\n');
}

std::optional<WriteFailure> writeInto(const QString &folder, const Composition &composition)
{
    std::vector<FileError> failed =
        writeWhereTheGameReads(folder, redirectedTwin(folder), composition);
    if (failed.empty())
        return std::nullopt;
    // config.cfg is written only once every script is in place.
    const bool scriptsWritten = std::all_of(failed.begin(), failed.end(), [](const FileError &e) {
        return QFileInfo(e.path).fileName() == QLatin1StringView(ConfigFileName);
    });
    return WriteFailure{std::move(failed),
                        scriptsWritten
                            ? QStringLiteral("color.cfg is written; the game runs it once "
                                             "config.cfg holds the line \"exec color.cfg\".")
                            : QString()};
}

} // namespace

std::optional<WriteFailure> makeScript(const Composition &composition)
{
    const MakeFolder make = locateGameFolder();
    const GameFolder &folder = make.folder;
    std::optional<WriteFailure> failure =
        folder.unreachable
            ? WriteFailure{{{joinPath(folder.path, ScriptFileName), *folder.unreachable}},
                           QString()}
            : writeInto(folder.path, composition);
    if (failure && !make.found) {
        failure->advice = make.lookedIn.size() > 1
                              ? QStringLiteral("The game's folder was not found there, nor in:\n") +
                                    otherPlaces(make) + u'\n' + ChooseAnother
                              : ChooseAnother;
    }
    return failure;
}

std::optional<WriteFailure> saveScript(const QString &folder, const Composition &composition)
{
    return writeInto(folder, composition);
}

QString makeDestination()
{
    const MakeFolder make = locateGameFolder();
    if (make.found)
        return QStringLiteral("Writes color.cfg into \"%1\".").arg(make.folder.path);
    QString text =
        QStringLiteral("The game's folder was not found in \"%1\"").arg(make.lookedIn.front());
    if (make.lookedIn.size() > 1)
        text += QStringLiteral(", nor in:\n") + otherPlaces(make);
    return text + QStringLiteral(".\n") + ChooseAnother;
}

} // namespace tintforge
