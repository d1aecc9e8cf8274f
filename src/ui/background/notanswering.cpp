// SPDX-License-Identifier: MIT
#include "notanswering.h"

#include "output/files/shownname.h"

namespace tintforge {

QString notAnsweringMessage(const QString &path, std::chrono::milliseconds waited,
                            const QString &goesOn)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    if (path.isEmpty())
        return QStringLiteral("The file system has not answered for %1 seconds. %2")
            .arg(seconds)
            .arg(goesOn);
    return QStringLiteral("Nothing has come back from %1 for %2 seconds: the file system it is "
                          "on does not answer. %3")
        .arg(quotedName(path))
        .arg(seconds)
        .arg(goesOn);
}

} // namespace tintforge
