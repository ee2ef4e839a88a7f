// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Fonts: the small dialog font that the fixed layouts of both windows are designed for, and bold text.
#include <optional>

#include <QFont>

class QWidget;

namespace platform {

QFont DialogFont();

// Bold text, in this size where one is given, set in one font change so that the control lays out
// its text once.
void SetBoldFont(QWidget *control, std::optional<int> pointSize = std::nullopt,
    QFont::StyleStrategy strategy = QFont::PreferDefault);

} // namespace platform
