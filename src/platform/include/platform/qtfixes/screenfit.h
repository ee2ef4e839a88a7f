// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// A window of fixed size on a screen too small for it.
class QMainWindow;

namespace platform {

// Where the window is larger than the available area of its screen, it shrinks to that area and its
// content scrolls; where it fits, nothing changes. Once the window manager has framed it, the same
// again with the frame counted, and the framed window moves into that area.
void ScrollWhenLargerThanScreen(QMainWindow *window);

} // namespace platform
