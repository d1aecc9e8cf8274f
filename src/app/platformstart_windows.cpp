// SPDX-License-Identifier: MIT
#include "platformstart.h"

namespace tintforge {

// Windows always has its desktop, and its font system starts with the toolkit.
bool displayNamed()
{
    return true;
}

EarlyFontSystem::EarlyFontSystem() = default;

void EarlyFontSystem::wait() {}

} // namespace tintforge
