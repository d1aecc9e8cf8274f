// SPDX-License-Identifier: MIT
#include "platformstyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace tintforge {

// Windows' themed style is replaced by the classic Windows style it builds on, which draws in
// the windows' colours.
QStyle *platformStyle()
{
    const QStyle *current = QApplication::style();
    if (current &&
        current->name().compare(QLatin1StringView("windowsvista"), Qt::CaseInsensitive) == 0)
        return QStyleFactory::create(QStringLiteral("Windows"));
    return nullptr;
}

} // namespace tintforge
