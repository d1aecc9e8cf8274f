// SPDX-License-Identifier: MIT
#pragma once

// On POSIX systems only: the system's own texts, in the locale's character set.

#include <QString>

namespace tintforge {

// Text in the character set `codeset` (as nl_langinfo names it) as Unicode. Qt reads 8-bit text
// as UTF-8 on these systems, which would garble a message in ISO-8859-1 ("accord?e").
QString fromLocaleText(const char *text, const char *codeset);

// The system's words for an error number, in the locale's language and character set.
QString systemReason(int error);

} // namespace tintforge
