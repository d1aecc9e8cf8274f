// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/result.h"

#include <QByteArray>
#include <QString>

class QMimeData;

namespace tintforge {

// A drag that carries files or links is the program's wherever it lands, so that no field takes
// a file's name or a link as text. Told from the formats offered alone: the data itself comes
// from the drag's source, which may be slow to hand it over, and is fetched once, on the drop.
bool carriesFilesOrLinks(const QMimeData *data);

// The list of files and links a drop carries, as the drag's source handed it over: the bytes
// themselves, before the toolkit reads them as addresses (it turns a byte that is no part of an
// address into a replacement character, naming a look-alike). Empty when nothing came.
QByteArray droppedList(const QMimeData *data);

// Why a drop does not open, as the user is told.
struct RefusedDrop {
    QString message;
};

// The script a drop's list (text/uri-list: one address a line, '#' starting a comment) names, in
// the system's own form, or why the drop does not open: nothing came, the list names no file or
// several, or something other than a file this computer can open, or a name no file has (a NUL)
// or that is not valid UTF-8, which would come out as a look-alike and open another file, or none.
Result<QString, RefusedDrop> droppedScript(const QByteArray &list);

} // namespace tintforge
