// SPDX-License-Identifier: MIT
#include "platformstart.h"

namespace tintforge {

// Windows always has its desktop, and its font system starts with the toolkit.
bool displayNamed()
{
    return true;
}

// Nothing the Windows desktop says while the toolkit starts needs a word of the program's.
StartupNotice startupNotice(std::string_view, const QString &)
{
    return StartupNotice::Other;
}

std::string displayRefusedLine()
{
    return {};
}

EarlyFontSystem::EarlyFontSystem() = default;

void EarlyFontSystem::wait() {}

} // namespace tintforge
