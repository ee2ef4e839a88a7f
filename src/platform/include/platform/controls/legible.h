// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The fixed colours on the desktop's palette: readable under any palette, as WCAG AA asks.
#include <array>

#include <QColor>

class QWidget;

namespace platform {

// WCAG 2.x contrast ratio of two colours, from 1 to 21.
double ContrastRatio(const QColor &a, const QColor &b);
// The least ratios that WCAG AA asks for: text, and lines, frames, stripes and indicators.
constexpr double kTextContrast = 4.5;
constexpr double kGraphicContrast = 3.0;
// Antialiased strokes seldom reach their full colour on screen: colours aim this much above a ratio.
constexpr double kMargin = 1.15;

// Whether the control shows the palette that the fixed colours were chosen on: Fusion's light grey
// with black text.
bool ShowsDesignPalette(const QWidget *control);

// The given colour on the design palette. On any other, the same hue and saturation, lightened or
// darkened just enough to reach the ratio against the background behind the control.
QColor Legible(const QWidget *control, const QColor &given, double ratio);
// The given colour, lightened or darkened in the same way until it reaches the ratio times kMargin
// against the background.
QColor LegibleOn(const QColor &background, const QColor &given, double ratio);
// The shades of one indicator, darkest first. On a dark background they are lightened together by one
// step until each reaches the ratio for graphics, so they keep their order and their differences.
std::array<QColor, 3> LegibleShades(const QWidget *control, const std::array<QColor, 3> &given);

// Makes a window and its controls look as designed on whatever the desktop gives: off the design
// palette or style, every control gets Fusion, with indicators, frames and focus marks that reach
// the ratio for graphics, and every fixed colour of a label or line is made legible. On the design
// palette under Fusion nothing changes.
void AdaptToDesktop(QWidget *window);

} // namespace platform
