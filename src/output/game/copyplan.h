// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"

#include <optional>
#include <QString>

namespace tintforge {

// Where the copies of the game's files go for one folder, and so which copy the game reads: the
// folder's own, or its redirected twin's (see redirectedTwin). The game reads the twin's copy of
// a file wherever it exists when it runs redirected, and the folder's own when it runs as an
// administrator, so a file goes into the twin where a copy is there already, or where the
// folder's own copy is refused in a way the twin answers: the system refuses this user, or the
// folder is there only as the twin. The write asks this plan with what its write into the folder
// met; Make's tip asks it with what the folder's access rules foretell; so both name one folder.
class CopyPlan
{
public:
    explicit CopyPlan(const QString &folder);
    CopyPlan(const QString &folder, std::optional<QString> twin);

    const QString &folder() const { return m_folder; }
    const std::optional<QString> &twin() const { return m_twin; }

    // Whether the folder's own copy, refused with `failure`, goes into the twin instead. Any
    // other failure (a full disk, a file in use, a script made read-only) is the folder's own.
    bool sendsToTwin(const FileCause &failure) const;
    // The same foretold before anything is written: whether the system's access rules refuse
    // this user new files in the folder, or the folder is there only as the twin.
    bool foreseesTwin() const;
    // Whether the file `name` goes into the twin, given whether the folder's own copy was sent
    // there (by sendsToTwin or foreseesTwin).
    bool intoTwin(const QString &name, bool sentToTwin) const;
    // The folder whose copy of `name` the game reads, given the same.
    QString folderRead(const QString &name, bool sentToTwin) const;

private:
    bool onlyAsTwin() const;

    QString m_folder;
    std::optional<QString> m_twin;
};

} // namespace tintforge
