// SPDX-License-Identifier: MIT
#include "droppedscript.h"

#include "output/files/shownname.h"
#include "output/game/open.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace tintforge {

bool carriesFilesOrLinks(const QMimeData *data)
{
    return data && data->hasUrls();
}

Result<QString, RefusedDrop> droppedScript(const QList<QUrl> &urls)
{
    if (urls.size() > 1)
        return RefusedDrop{QStringLiteral("Could not open the %1 dropped files: drop one colour "
                                          "script at a time.")
                               .arg(urls.size())};
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return RefusedDrop{
            QStringLiteral("Could not open \"%1\": it is not a file on this computer.")
                .arg(urls.value(0).toDisplayString())};
    const QString path = urls.front().toLocalFile();
    const QString shown = QDir::toNativeSeparators(path);
    if (QUrl::fromLocalFile(path).path(QUrl::FullyEncoded) != urls.front().path(QUrl::FullyEncoded))
        return RefusedDrop{openFailureMessage({shown, {inexactNameReason(QStringLiteral("its"))}})};
    return shown;
}

} // namespace tintforge
