// SPDX-License-Identifier: MIT
#include "ui/identity.h"
#include "ui/mainwindow.h"
#include "ui/windowlook.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>

#ifdef TINTFORGE_EARLY_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

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

// What the window system said while the toolkit started, so that a display that does not answer
// ends in one line of ours instead of the toolkit's abort.
QtMessageHandler toolkitHandler = nullptr;
bool displayRefused = false;

void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QLatin1StringView category(context.category ? context.category : "");
    if (category == QLatin1StringView("qt.qpa.xcb") &&
        message.contains(QLatin1StringView("could not connect to display"))) {
        displayRefused = true;
        return;
    }
    if (displayRefused && category == QLatin1StringView("qt.qpa.plugin"))
        return;
    if (type != QtFatalMsg) {
        toolkitHandler(type, context, message);
        return;
    }
    const char *display = std::getenv("DISPLAY");
    if (displayRefused)
        std::fprintf(stderr,
                     "tintforge: no display to show the window on (display %s does not answer).\n",
                     display && *display ? display : "(default)");
    else
        std::fprintf(stderr, "tintforge: the window system could not be started (%s).\n",
                     qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
    std::fflush(stderr);
    std::_Exit(1);
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
#ifdef TINTFORGE_EARLY_FONTCONFIG
    // The font system reads its whole configuration and font list the first time a font is
    // asked for. Started now on another core, that overlaps the toolkit's own start-up instead
    // of following it; the font system is thread-safe, and the window waits for it below.
    std::thread fontSystem([] { FcInit(); });
#endif
    toolkitHandler = qInstallMessageHandler(startupMessage);
    QApplication app(toolkitArgc, argv);
    qInstallMessageHandler(toolkitHandler);
#ifdef TINTFORGE_EARLY_FONTCONFIG
    fontSystem.join();
#endif
    QApplication::setApplicationName(tintforge::ProgramTitle);
    QApplication::setApplicationVersion(tintforge::VersionText);
    QGuiApplication::setDesktopFileName(tintforge::AppId);

    tintforge::installFormStyle();
    tintforge::MainWindow form;
    form.show();
    return app.exec();
}
