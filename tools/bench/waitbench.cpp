// SPDX-License-Identifier: MIT
// What a user waits for in the windows: the time from a click on Make until color.cfg and
// config.cfg are written and closed, and from a click on "..." until "Save as..." is shown over
// a folder of many subfolders. Medians of several runs each.
//
// usage: waitbench RUNS SUBFOLDERS...   (offscreen platform is fine)

#include "ui/background/filework.h"
#include "ui/folderchooser/saveaswindow.h"
#include "ui/look/windowlook.h"
#include "ui/mainwindow/mainwindow.h"

#include "median.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <vector>

namespace {

// Until the work the windows do off their thread has come back: the files written and closed,
// the folders listed.
void waitForFileWork()
{
    const auto busy = [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const auto *work : window->findChildren<tintforge::FileWork *>()) {
                if (work->busy())
                    return true;
            }
        }
        return false;
    };
    while (busy())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double makeOnce(tintforge::MainWindow &form)
{
    QElapsedTimer timer;
    timer.start();
    form.findChild<QPushButton *>(QStringLiteral("makeButton"))->click();
    waitForFileWork();
    return double(timer.nsecsElapsed()) / 1e6;
}

double openOnce(tintforge::MainWindow &form)
{
    QElapsedTimer timer;
    timer.start();
    form.findChild<QPushButton *>(QStringLiteral("saveAsButton"))->click();
    waitForFileWork();
    QApplication::processEvents(); // the first paint with the folders
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<tintforge::SaveAsWindow *>(window))
            window->close();
    }
    QApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform's notes on window raising would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtWarningMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: waitbench RUNS SUBFOLDERS...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    tintforge::installFormStyle();
    {
        QTemporaryDir home;
        QDir(home.path()).mkpath(QStringLiteral(".loki/sof"));
        qputenv("HOME", QFile::encodeName(home.path()));
        tintforge::MainWindow form;
        form.setMessageSink([](QWidget *, const QString &message) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        });
        form.show();
        QApplication::processEvents();
        const int makes = std::max(runs, 31);
        std::vector<double> times;
        times.reserve(std::size_t(makes));
        for (int run = 0; run < makes; ++run)
            times.push_back(makeOnce(form));
        std::printf("Make until both files are closed: median %8.2f ms (%zu runs)\n", median(times),
                    times.size());
    }
    for (int arg = 2; arg < argc; ++arg) {
        const int count = std::atoi(argv[arg]);
        QTemporaryDir dir;
        QDir folder(dir.path());
        for (int i = 0; i < count; ++i)
            folder.mkdir(QStringLiteral("folder%1").arg(i, 6, 10, QLatin1Char('0')));
        QDir::setCurrent(dir.path());

        tintforge::MainWindow form;
        form.show();
        QApplication::processEvents();
        std::vector<double> times;
        times.reserve(std::size_t(runs));
        for (int run = 0; run < runs; ++run)
            times.push_back(openOnce(form));
        std::printf("\"Save as...\" shown over %6d subfolders: median %8.1f ms (%d runs)\n", count,
                    median(times), runs);
        QDir::setCurrent(QDir::tempPath());
    }
    return 0;
}
