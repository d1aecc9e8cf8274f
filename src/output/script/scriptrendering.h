// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tintforge {

class Composition;

// The 35 lines of color.cfg, byte for byte: header, name line, chart, empty line, host line,
// message line, header. Texts go in as they stand (no segment holds a double quote); with the
// clan switch off the clan code and text are left out of the name line.
std::string renderColourScript(const Composition &composition);

} // namespace tintforge
