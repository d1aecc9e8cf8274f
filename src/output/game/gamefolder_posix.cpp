// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include "output/files/localetext.h"
#include "output/files/reaching.h"
#include "output/files/shownname.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <pwd.h>
#include <QByteArrayList>
#include <unistd.h>
#include <vector>

namespace tintforge {

namespace {

// HOME when it names an absolute folder; otherwise the account's home folder from the user
// database, so that an unset, empty or relative HOME never sends the files to "/" or to
// wherever the program was started. As the system's bytes.
QByteArray homeFolder()
{
    QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return home;

    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(std::size_t(bufferSize > 0 ? bufferSize : 16384));
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return QByteArray(found->pw_dir);
    return QByteArrayLiteral("/");
}

// The path as the system resolves it: the longest part of it that exists through realpath
// (after a symbolic link, `..` leads up from the link's target, so cutting "link/.." away as text
// would name another folder), then the rest as it stands, since after a missing folder no step
// leads anywhere the system would go.
QByteArray resolved(const QByteArray &path)
{
    QByteArrayList steps;
    for (const QByteArray &step : path.split('/')) {
        if (!step.isEmpty() && step != ".")
            steps << step;
    }
    for (qsizetype known = steps.size(); known >= 0; --known) {
        const QByteArray head = '/' + steps.first(known).join('/');
        reaching(shownFileName(head));
        const std::unique_ptr<char, decltype(&std::free)> real(
            ::realpath(head.constData(), nullptr), &std::free);
        if (!real)
            continue;
        QByteArray whole(real.get());
        for (const QByteArray &step : steps.sliced(known))
            whole += (whole.endsWith('/') ? "" : "/") + step;
        return whole;
    }
    return path;
}

// The folder named by the system's bytes `below` then `path`; unreachable, with the name of
// `below` blamed, when the name cannot be held exactly.
GameFolder folderAt(const QByteArray &below, const char *path, GameRefusal inexact)
{
    const QByteArray bytes = resolved(below + '/' + path);
    const std::optional<QString> exact = exactFileName(bytes);
    GameFolder folder{exact ? *exact : shownFileName(bytes), std::nullopt, std::nullopt};
    if (!exact)
        folder.unreachable = inexact;
    return folder;
}

// Where the Windows game's installer puts the user folder inside a Wine prefix.
constexpr const char *WineGameFolders[] = {
    "drive_c/Program Files (x86)/Raven/SOF/user",
    "drive_c/Program Files/Raven/SOF/user",
};

} // namespace

// The Linux release of the game keeps its user folder in the home folder, the Windows release
// under Wine in a Wine prefix.
std::vector<GameFolder> gameFolderCandidates()
{
    const QByteArray home = homeFolder();
    std::vector<GameFolder> candidates{folderAt(home, ".loki/sof", GameRefusal::InexactHomeName)};
    const QByteArray winePrefix = qgetenv("WINEPREFIX");
    std::vector<std::pair<QByteArray, GameRefusal>> prefixes;
    if (winePrefix.startsWith('/'))
        prefixes.emplace_back(winePrefix, GameRefusal::InexactWinePrefixName);
    prefixes.emplace_back(home + "/.wine", GameRefusal::InexactHomeName);
    for (const auto &[prefix, whose] : prefixes) {
        for (const char *game : WineGameFolders) {
            GameFolder candidate = folderAt(prefix, game, whose);
            const bool known = std::any_of(candidates.begin(), candidates.end(),
                                           [&](auto &c) { return c.path == candidate.path; });
            if (!known)
                candidates.push_back(std::move(candidate));
        }
    }
    return candidates;
}

// Only Windows redirects a program's writes.
std::optional<QString> redirectedTwin(const QString &)
{
    return std::nullopt;
}

} // namespace tintforge
