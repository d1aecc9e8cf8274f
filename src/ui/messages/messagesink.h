// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QString;
class QWidget;

namespace tintforge {

// Shows a failure to the user. Tests replace it, since a message box would wait for a click.
using MessageSink = std::function<void(QWidget *parent, const QString &message)>;

} // namespace tintforge
