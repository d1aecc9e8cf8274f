#include "ui/form1.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QScreen>

namespace
{

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
    QApplication app(argc, argv);

    tintforge::Form1 form;
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
