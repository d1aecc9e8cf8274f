// SPDX-License-Identifier: MIT
#include "ui/identity.h"

#include <QPixmap>

#include "tintforge.xpm"

namespace tintforge {

QIcon programIcon()
{
    return QIcon(QPixmap(tintforge_xpm));
}

} // namespace tintforge
