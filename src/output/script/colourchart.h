// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tintforge {

// The chart lines, one for each swatch and each ended by CR LF: 1282 bytes.
// The first reads: echo "01<byte 1>01 abc123 color=FFFFFF bright white"
const std::string &colourChart();

} // namespace tintforge
