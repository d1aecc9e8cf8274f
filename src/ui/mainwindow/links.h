// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintforge {

// The maker's addresses: printed in the banner and opened by its two link areas.
inline const QString MakerWebAddress = QStringLiteral("https://www.vorlix.example/tintforge");
inline const QString MakerMailAddress = QStringLiteral("orv@vorlix.example");

} // namespace tintforge
