// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace tintforge {

// One entry of the chooser's drive list: what it shows, and the root folder it stands for.
struct Drive {
    QString text;
    QString root;
};

// The machine's drives in the order the system gives them: the drive letters on Windows,
// elsewhere the mounted file systems by the folder they are mounted on. Each platform's file
// has its own.
QList<Drive> drives();

// Whether a folder lies on the drive whose root folder is `root`: "/" holds everything, "C:\"
// all of drive C. Names compare as the platform's file names do (without case on Windows).
bool isOnDrive(const QString &folder, const QString &root);

} // namespace tintforge
