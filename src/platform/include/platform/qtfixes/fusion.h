// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The style that the fixed layouts are designed for, made to stand out on any palette.
class QStyle;
class QWidget;

namespace platform {

// Fusion, with the outlines of radio indicators and text boxes, button frames and focus marks drawn
// in colours that reach the ratio for graphics off the design palette. One for the application.
QStyle *LegibleFusionStyle();
void SetStyleOnTree(QWidget *root, QStyle *style);

} // namespace platform
