// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;

namespace tintforge {

// Shows a button whose work is under way as busy, to sight and to screen readers, while leaving
// it enabled: a disabled button loses the keyboard to the next control, and a screen reader
// would announce that control instead. Its caption greys as a disabled one's does, the pointer
// over it shows the busy sign, and screen readers hear ", busy" after its name. A press meanwhile
// is for its owner to refuse.
void showBusy(QAbstractButton *button, bool busy);

} // namespace tintforge
