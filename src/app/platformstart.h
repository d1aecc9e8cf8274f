// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace tintforge {

// What starting the program needs of each platform; each platform's file has its own.

// Whether a display to show the window on is named at all. Without one the toolkit aborts with a
// long trace, so the program says what is wrong in one line instead.
bool displayNamed();

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
