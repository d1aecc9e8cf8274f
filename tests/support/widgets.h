// SPDX-License-Identifier: MIT
#pragma once

// Finding the windows' controls in tests.

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tintforge::testing {

// The control of that name in a window. The windows name every control after its place, so a
// missing one is a fault of the test itself and stops the whole run with its name.
template <typename T = QWidget> T *control(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s of the kind asked for", name);
    return found;
}

} // namespace tintforge::testing
