// SPDX-License-Identifier: MIT
#include "spokennotice.h"

#include "systemnotice.h"

namespace tintforge {

SpokenNotice::SpokenNotice(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("spokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Shown only to say something: appearing with its window, it would be spoken as a notice
    // with nothing in it.
    hide();
}

// Appearing again is what a screen reader speaks a notification on.
void SpokenNotice::say(const QString &message)
{
    setAccessibleName(message);
    hide();
    show();
    raiseSystemNotice(this, message);
}

} // namespace tintforge
