// SPDX-License-Identifier: MIT
#include "systemnotice.h"

namespace tintforge {

void raiseSystemNotice(QWidget *, const QString &) {}

} // namespace tintforge
