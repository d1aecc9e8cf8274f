// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace tintforge {

// Tells screen readers a short message without showing anything: a notification of no size,
// which they speak as it appears. The last message stays as its name, to be found again.
class SpokenNotice : public QWidget
{
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget *parent);

    void say(const QString &message);
};

} // namespace tintforge
