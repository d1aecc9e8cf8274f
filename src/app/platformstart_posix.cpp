// SPDX-License-Identifier: MIT
#include "platformstart.h"

#include <cstdlib>

#include "output/files/localetext.h"
#include "output/files/shownname.h"

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

Result<QString, FileError> fileToOpen(int argc, char *argv[])
{
    if (argc < 2)
        return QString();
    if (std::optional<QString> exact = exactFileName(argv[1]))
        return *exact;
    return FileError{shownFileName(argv[1]), FileRefusal::InexactName};
}

StartupNotice startupNotice(std::string_view category, const QString &message)
{
    if (category == "qt.qpa.xcb" &&
        message.contains(QLatin1StringView("could not connect to display")))
        return StartupNotice::DisplayRefused;
    if (category == "qt.qpa.plugin")
        return StartupNotice::RepeatsRefusal;
    return StartupNotice::Other;
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
