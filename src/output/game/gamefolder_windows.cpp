// SPDX-License-Identifier: MIT
#include "gamefolder.h"

#include "output/files/paths.h"

#include <array>
#include <shlobj.h>
#include <windows.h>

namespace tintforge {

namespace {

// A folder the system knows by its id, as the system spells it; empty when it has none (the
// folder for 32-bit programs on 32-bit Windows before 7, for instance).
QString knownFolder(const KNOWNFOLDERID &id)
{
    wchar_t *path = nullptr;
    QString folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)))
        folder = QString::fromWCharArray(path);
    CoTaskMemFree(path);
    return folder;
}

// The whole path with the system's separators, its short (8.3) names spelled out where the
// folder exists: the form in which it can be compared with the system's folders.
QString fullPath(const QString &folder)
{
    const auto *name = reinterpret_cast<const wchar_t *>(folder.utf16());
    std::array<wchar_t, 32768> full{};
    const DWORD length = GetFullPathNameW(name, DWORD(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size())
        return folder;
    std::array<wchar_t, 32768> spelled{};
    const DWORD spelledLength =
        GetLongPathNameW(full.data(), spelled.data(), DWORD(spelled.size()));
    if (spelledLength == 0 || spelledLength >= spelled.size())
        return QString::fromWCharArray(full.data(), int(length));
    return QString::fromWCharArray(spelled.data(), int(spelledLength));
}

// Whether `path` is `folder` or lies below it; Windows names ignore case.
bool isWithin(const QString &path, QString folder)
{
    while (folder.endsWith(u'\\'))
        folder.chop(1);
    return !folder.isEmpty() && path.startsWith(folder, Qt::CaseInsensitive) &&
           (path.size() == folder.size() || path[folder.size()] == u'\\');
}

} // namespace

// The standard install path is named as the game names it, whatever the system's program folder
// is called; on 64-bit Windows the game's installer puts it in the folder for 32-bit programs.
std::vector<GameFolder> gameFolderCandidates()
{
    // The user folder below the game's install folder, which its installer puts in Raven\SOF.
    const QString belowPrograms = QStringLiteral("Raven\\SOF\\user");
    const QString standard = joinPath(QStringLiteral("C:\\Program Files"), belowPrograms);
    std::vector<GameFolder> candidates{{standard, std::nullopt, redirectedTwin(standard)}};
    const QString programs32 = knownFolder(FOLDERID_ProgramFilesX86);
    if (!programs32.isEmpty()) {
        const QString game = joinPath(programs32, belowPrograms);
        if (game.compare(standard, Qt::CaseInsensitive) != 0)
            candidates.push_back({game, std::nullopt, redirectedTwin(game)});
    }
    return candidates;
}

// Windows redirects an unmanifested 32-bit program's writes out of the program folders and the
// Windows folder into %LOCALAPPDATA%\VirtualStore, under the same path without its drive.
std::optional<QString> redirectedTwin(const QString &folder)
{
    const QString path = fullPath(folder);
    if (path.size() < 3 || path[1] != u':' || path[2] != u'\\')
        return std::nullopt;
    const bool redirected = isWithin(path, knownFolder(FOLDERID_ProgramFiles)) ||
                            isWithin(path, knownFolder(FOLDERID_ProgramFilesX86)) ||
                            isWithin(path, knownFolder(FOLDERID_Windows));
    const QString localData = knownFolder(FOLDERID_LocalAppData);
    if (!redirected || localData.isEmpty())
        return std::nullopt;
    return joinPath(localData, QStringLiteral("VirtualStore")) + path.mid(2);
}

} // namespace tintforge
