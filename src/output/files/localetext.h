// SPDX-License-Identifier: MIT
#pragma once

// On POSIX systems only: the system's own texts, in the locale's character set.

#include <optional>
#include <QByteArrayView>
#include <QString>

namespace tintforge {

// Text in the character set `codeset` (as nl_langinfo names it) as Unicode. Qt reads 8-bit text
// as UTF-8 on these systems, which would garble a message in ISO-8859-1 ("accord?e").
QString fromLocaleText(const char *text, const char *codeset);

// The system's words for an error number, in the locale's language and character set.
QString systemReason(int error);

// A file name or path, given as the system's bytes, as text: only when the text names exactly
// those bytes again. Bytes that are not valid UTF-8 (in which the program names files on these
// systems) cannot be shown exactly; shown anyway, they would name a look-alike, or nothing.
std::optional<QString> exactFileName(QByteArrayView bytes);

} // namespace tintforge
