// SPDX-License-Identifier: MIT
#include "platformstart.h"

#include <windows.h>

namespace tintforge {

// Windows always has its desktop, and its font system starts with the toolkit.
bool displayNamed()
{
    return true;
}

// The arguments in the wide-character command line: those in argv are in the system's 8-bit
// code page, which cannot name every file.
Result<QString, FileError> fileToOpen(int, char *[])
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const QString file = arguments && count > 1 ? QString::fromWCharArray(arguments[1]) : QString();
    LocalFree(arguments);
    return file;
}

// Nothing the Windows desktop says while the toolkit starts needs a word of the program's.
StartupNotice startupNotice(std::string_view, const QString &)
{
    return StartupNotice::Other;
}

EarlyFontSystem::EarlyFontSystem() = default;

void EarlyFontSystem::wait() {}

} // namespace tintforge
