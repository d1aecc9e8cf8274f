// SPDX-License-Identifier: MIT
#include "execline.h"

#include "filenames.h"
#include "lines.h"

namespace tintforge {

std::string execLine()
{
    return std::string("exec ").append(ScriptFileName);
}

std::string execLineAddition(bool endsWithWholeLine)
{
    std::string addition;
    if (!endsWithWholeLine)
        addition += LineEnd;
    return addition.append(execLine()).append(LineEnd);
}

} // namespace tintforge
