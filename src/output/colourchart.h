// SPDX-License-Identifier: MIT
#pragma once

#include "model/chartlines.h"

#include <string>
#include <string_view>

namespace tintforge {

// The 29 chart lines, each ended by CR LF: 1282 bytes.
// The first reads: echo "01<byte 1>01 abc123 color=FFFFFF bright white"
const std::string &ColourChart();

} // namespace tintforge
