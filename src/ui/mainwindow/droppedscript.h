// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/result.h"

#include <QList>
#include <QString>

class QMimeData;
class QUrl;

namespace tintforge {

// A drag that carries files or links is the program's wherever it lands, so that no field takes
// a file's name or a link as text. Told from the formats offered alone: the data itself comes
// from the drag's source, which may be slow to hand it over, and is fetched once, on the drop.
bool carriesFilesOrLinks(const QMimeData *data);

// Why a drop does not open, as the user is told.
struct RefusedDrop {
    QString message;
};

// The script a drop carries, in the system's own form, or why the drop does not open: it
// carries several files, or something other than a file of this computer, or a name that is not
// valid UTF-8. A link carries a name's bytes, and such a name comes out of it as a look-alike
// (the bytes replaced), which would open another file, or none.
Result<QString, RefusedDrop> droppedScript(const QList<QUrl> &urls);

} // namespace tintforge
