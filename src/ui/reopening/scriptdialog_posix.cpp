// SPDX-License-Identifier: MIT
#include "scriptdialog.h"

#include "ui/words/windowwords.h"

#include <QFileDialog>
#include <QStringList>

namespace tintforge {

// Qt's dialog, which hands over to a desktop's own where the platform theme has one.
QString chooseScriptInDialog(QWidget *parent, const QString &folder)
{
    QStringList filters;
    for (const FileChoice &choice : scriptDialogChoices())
        filters << choice.label;
    return QFileDialog::getOpenFileName(parent, scriptDialogTitle(), folder,
                                        filters.join(QStringLiteral(";;")));
}

} // namespace tintforge
