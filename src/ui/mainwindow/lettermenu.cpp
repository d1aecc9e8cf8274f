// SPDX-License-Identifier: MIT
#include "lettermenu.h"

#include <QKeyEvent>

namespace tintforge {

void LetterMenu::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool letter = typed.size() == 1 && typed[0].isLetterOrNumber() &&
                        (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
    const QList<QAction *> entries = actions();
    const qsizetype from = entries.indexOf(activeAction()); // -1: none yet, so the first
    for (qsizetype step = 1; letter && step <= entries.size(); ++step) {
        QAction *entry = entries[(from + step) % entries.size()];
        if (!entry->isSeparator() && entry->isEnabled() && entry->isVisible() &&
            entry->text().startsWith(typed, Qt::CaseInsensitive)) {
            setActiveAction(entry);
            return;
        }
    }
    QMenu::keyPressEvent(event);
}

} // namespace tintforge
