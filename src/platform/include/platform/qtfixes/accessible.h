// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The accessible interfaces that take the place of Qt's own.
#include <QString>

class QAccessibleInterface;
class QWidget;

namespace platform {

// The interface that replaces the one Qt would make for this widget, asked for its class name; none
// where Qt's own stays.
QAccessibleInterface *ReplacedInterface(const QString &className, QWidget *widget);

} // namespace platform
