// SPDX-License-Identifier: MIT
#pragma once

#include "output/files/fileerror.h"

#include <QString>
#include <string_view>
#include <thread>

namespace tintforge {

// What starting the program needs of each platform; each platform's file has its own.

// Whether a display to show the window on is named at all. Without one the toolkit aborts with a
// long trace, so the program says what is wrong in one line instead.
bool displayNamed();

// The file named on the command line (`tintforge color.cfg`; on Windows also a file dropped on
// the program's icon), exactly as the system gave it; empty when none is named. Only the first
// argument is read. A name that no text names exactly fails, shown as near as it can be.
Result<QString, FileError> fileToOpen(int argc, char *argv[]);

// What a message the toolkit logs while it starts means for the program: X11 reports a display
// that does not answer in a message of its own, and its next ones only repeat it.
enum class StartupNotice {
    Other,
    DisplayRefused,
    RepeatsRefusal, // said only after DisplayRefused
};
StartupNotice startupNotice(std::string_view category, const QString &message);

// Where the toolkit draws text through fontconfig, fontconfig reads its whole configuration and
// font list the first time a font is asked for. Started on another core while the toolkit
// starts, that overlaps the toolkit's own start-up instead of following it (the font system is
// thread-safe). wait() returns once it is done; elsewhere both do nothing.
class EarlyFontSystem
{
public:
    EarlyFontSystem();
    void wait();

private:
    std::thread m_thread;
};

} // namespace tintforge
