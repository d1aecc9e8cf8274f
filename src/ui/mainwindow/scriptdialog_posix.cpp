// SPDX-License-Identifier: MIT
#include "scriptdialog.h"

#include "output/script/execline.h"

#include <QFileDialog>

namespace tintforge {

// Qt's dialog, which hands over to a desktop's own where the platform theme has one.
QString chooseScriptInDialog(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open a colour script"), folder,
                                        QStringLiteral("Colour scripts (%1);;All files (*)")
                                            .arg(QLatin1StringView(ScriptFileName)));
}

} // namespace tintforge
