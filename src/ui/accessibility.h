// SPDX-License-Identifier: MIT
#pragma once

namespace tintforge {

// Tells accessibility tools what the program's own widgets are: its two windows are windows, and
// its click areas (swatches and links) are buttons they can press. Idempotent.
void registerAccessibleRoles();

} // namespace tintforge
