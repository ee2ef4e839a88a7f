// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The keyboard in a menu bar whose items have no menus.
class QMenuBar;

namespace platform {

// Moves the keyboard into the menu bar with its first item highlighted, as F10 does in desktop
// programs. The arrow keys move along the bar; Return or Enter chooses the item and Escape leaves;
// either gives the focus back to where it was.
void EnterMenuBar(QMenuBar *bar);

} // namespace platform
