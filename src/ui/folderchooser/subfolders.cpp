// SPDX-License-Identifier: MIT
#include "subfolders.h"

#include "output/files/reaching.h"

#include <algorithm>

namespace tintforge {

std::optional<QStringList> listSubfolders(const QString &folder)
{
    reaching(folder);
    std::optional<QStringList> names = readSubfolders(folder);
    if (names) {
        std::sort(names->begin(), names->end(), [](const QString &a, const QString &b) {
            const int order = a.compare(b, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a < b;
        });
    }
    return names;
}

} // namespace tintforge
