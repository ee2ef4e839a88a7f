// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/twips.h"

#include <cmath>

#include <QWidget>

namespace platform {

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

bool SetWidthTwips(QWidget *control, std::optional<double> twips)
{
    // Beyond the largest widget size the pixel count would overflow: refused like a negative width.
    if (!twips || !std::isfinite(*twips) || *twips < 0 || *twips / TwipsPerPixel > QWIDGETSIZE_MAX)
        return false;
    const int width = TwipsToPixels(*twips);
    if (control->width() != width)
        control->resize(width, control->height());
    return true;
}

} // namespace platform
