// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <QString>

namespace tintforge {

// What the user is told when work has waited on `path` longer than `waited` (see FileWork), and
// what `goesOn` says happens meanwhile.
QString notAnsweringMessage(const QString &path, std::chrono::milliseconds waited,
                            const QString &goesOn);

} // namespace tintforge
