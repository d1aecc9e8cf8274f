// SPDX-License-Identifier: MIT
#include "platformstart.h"

#include <cstdlib>

#ifdef TINTFORGE_EARLY_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tintforge {

bool displayNamed()
{
    const auto isSet = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

EarlyFontSystem::EarlyFontSystem()
{
#ifdef TINTFORGE_EARLY_FONTCONFIG
    m_thread = std::thread([] { FcInit(); });
#endif
}

void EarlyFontSystem::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace tintforge
