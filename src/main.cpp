#include "ui/form1.h"
#include "ui/identity.h"
#include "ui/windowlook.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>

namespace {

// Without a display Qt aborts with a long trace; one line says what is wrong.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto isSet = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("tintforge: no display to show the window on (DISPLAY is not set).\n", stderr);
        return 1;
    }
    // The program reads no command line: not even the toolkit's own options (-reverse, -style)
    // may change it.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication app(toolkitArgc, argv);
    QApplication::setApplicationName(tintforge::ProgramTitle);
    QApplication::setApplicationVersion(tintforge::VersionText);
    QGuiApplication::setDesktopFileName(QStringLiteral("tintforge"));

    tintforge::installFormStyle();
    tintforge::Form1 form;
    form.show();
    return app.exec();
}
