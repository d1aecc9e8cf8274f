// SPDX-License-Identifier: MIT
#include "execline.h"

#include "lines.h"

namespace tintforge {

std::string execLineAddition(bool endsWithWholeLine)
{
    std::string addition;
    if (!endsWithWholeLine)
        addition += LineEnd;
    return addition.append(ExecLine).append(LineEnd);
}

} // namespace tintforge
