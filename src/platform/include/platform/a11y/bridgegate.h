// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The gate in front of Qt's AT-SPI bridge.

namespace platform {

// From when the bridge starts, assistive clients reach it through the gate only.
void GuardTheBridge();

} // namespace platform
