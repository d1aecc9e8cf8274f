// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "ui/identity.h"

#include <QMessageBox>

namespace tintforge {

// As plain text: a folder may well be named "<s>x&lt;y", and the message shows it exactly so.
void showMessageBox(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, ProgramTitle, message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tintforge
