// SPDX-License-Identifier: MIT
#pragma once

// Compositions the tests share.

#include "model/composition.h"

namespace tintforge::testing {

// What the writer tests write: a red clan tag "XYZ" and the name "Player".
inline Composition sampleComposition()
{
    Composition c;
    c.setSegmentText(SegmentId::Clan, "XYZ");
    c.applyColour(0x02, std::nullopt);
    c.setSegmentText(SegmentId::Name, "Player");
    return c;
}

} // namespace tintforge::testing
