// SPDX-License-Identifier: MIT
#include "scriptdialog.h"

#include <QFileDialog>
#include <QStringList>

namespace tintforge {

// Qt's dialog, which hands over to a desktop's own where the platform theme has one.
QString chooseScriptInDialog(QWidget *parent, const QString &folder)
{
    QStringList filters;
    for (const ScriptDialogFilter &filter : ScriptDialogFilters)
        filters << filterLabel(filter);
    return QFileDialog::getOpenFileName(parent, QLatin1StringView(ScriptDialogTitle), folder,
                                        filters.join(QStringLiteral(";;")));
}

} // namespace tintforge
