// SPDX-License-Identifier: MIT
#include "platformstart.h"
#include "ui/background/filework.h"
#include "ui/identity.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/words/startwords.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>

namespace {

// What the window system said while the toolkit started, so that a display that does not answer
// ends in one line of ours instead of the toolkit's abort.
QtMessageHandler toolkitHandler = nullptr;
bool displayRefused = false;

void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    switch (tintforge::startupNotice(context.category ? context.category : "", message)) {
    case tintforge::StartupNotice::DisplayRefused:
        displayRefused = true;
        return;
    case tintforge::StartupNotice::RepeatsRefusal:
        if (displayRefused)
            return;
        break;
    case tintforge::StartupNotice::Other:
        break;
    }
    if (type != QtFatalMsg) {
        toolkitHandler(type, context, message);
        return;
    }
    const QString line =
        displayRefused
            ? tintforge::displayRefusedLine(qEnvironmentVariable("DISPLAY"))
            : tintforge::windowSystemFailedLine(message.section(QLatin1Char('\n'), 0, 0));
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!tintforge::displayNamed()) {
        std::fprintf(stderr, "%s\n", qPrintable(tintforge::noDisplayLine()));
        return 1;
    }
    // The command line names at most a colour script to open; not even the toolkit's own
    // options (-reverse, -style) may change the program.
    const auto file = tintforge::fileToOpen(argc, argv);
    int toolkitArgc = argc > 0 ? 1 : 0;
    tintforge::EarlyFontSystem fontSystem;
    toolkitHandler = qInstallMessageHandler(startupMessage);
    QApplication app(toolkitArgc, argv);
    qInstallMessageHandler(toolkitHandler);
    fontSystem.wait();
    QApplication::setApplicationName(tintforge::ProgramTitle);
    QApplication::setApplicationVersion(tintforge::VersionText);
    QGuiApplication::setDesktopFileName(tintforge::AppId);

    tintforge::installFormStyle();
    tintforge::MainWindow form;
    form.show();
    if (!file || !file->isEmpty()) {
        // Once the window is up, so that a message about the file shows over it.
        QMetaObject::invokeMethod(
            &form, [&form, file] { form.openScript(file); }, Qt::QueuedConnection);
    }
    const int code = QApplication::exec();
    // A thread still held by a file system that does not answer ends with the process, at once:
    // the runtime's exit handlers might wait for it (a leak checker stops every thread first,
    // and one held by a dead network mount never stops).
    if (tintforge::FileWork::anyThreadAtWork()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
