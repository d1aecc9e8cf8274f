// SPDX-License-Identifier: MIT
#pragma once

class QStyle;

namespace tintforge {

// The style the windows' own style builds on instead of the platform's, or null to keep the
// platform's. A style that draws controls from the system's visual theme ignores the windows'
// colours (the drive list would be yellow on white). Each platform's file has its own.
QStyle *platformStyle();

} // namespace tintforge
