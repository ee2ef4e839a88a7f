// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The layout unit of the fixed windows: twips, 15 to a pixel at 96 dpi.
#include <optional>

class QWidget;

namespace platform {

// The layout is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;
int TwipsToPixels(double twips);

// Width in twips; a negative, non-finite or overflowing width is refused and nothing changes.
bool SetWidthTwips(QWidget *control, std::optional<double> twips);

} // namespace platform
