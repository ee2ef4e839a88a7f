// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The fixed colours of controls, written through their palettes.
#include <QColor>

class QWidget;

namespace platform {

// Text colour: WindowText for labels and lines, Text for edits. Background: Window with
// autoFillBackground for labels, Base for edits. Unchanged colours are not written again.
void SetForeColor(QWidget *control, const QColor &colour);
void SetBackColor(QWidget *control, const QColor &colour);

} // namespace platform
