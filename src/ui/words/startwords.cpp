// SPDX-License-Identifier: MIT
#include "startwords.h"

#include <QCoreApplication>

namespace tintforge {

namespace {

class StartWords
{
    Q_DECLARE_TR_FUNCTIONS(StartWords)
};

} // namespace

QString noDisplayLine()
{
    return StartWords::tr("tintforge: no display to show the window on (DISPLAY is not set).");
}

QString displayRefusedLine(const QString &display)
{
    return StartWords::tr("tintforge: no display to show the window on (display %1 does not "
                          "answer).")
        .arg(display.isEmpty() ? QStringLiteral("(default)") : display);
}

QString windowSystemFailedLine(const QString &reason)
{
    return StartWords::tr("tintforge: the window system could not be started (%1).").arg(reason);
}

} // namespace tintforge
