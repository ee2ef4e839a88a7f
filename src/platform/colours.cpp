// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/colours.h"

#include <utility>
#include <vector>

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QWidget>

namespace platform {

namespace {

bool IsEdit(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) != nullptr
        || qobject_cast<const QPlainTextEdit *>(control) != nullptr;
}

// A palette that sets just this colour in this role, built once: the windows use a handful.
const QPalette &SingleRolePalette(QPalette::ColorRole role, const QColor &colour)
{
    static std::vector<std::pair<QPalette::ColorRole, QPalette>> built;
    for (const auto &[builtRole, palette] : built) {
        if (builtRole == role && palette.color(role) == colour)
            return palette;
    }
    QPalette palette;
    palette.setColor(role, colour);
    return built.emplace_back(role, palette).second;
}

void SetPaletteColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    const QPalette &current = control->palette();
    if (current.color(role) == colour)
        return;
    // A control whose own palette sets nothing but this role gets the shared one-role palette, which
    // resolves to the same colours as a changed copy of its own, without the copy.
    const QPalette &single = SingleRolePalette(role, colour);
    if ((current.resolveMask() & ~single.resolveMask()) == 0) {
        control->setPalette(single);
        return;
    }
    QPalette palette = current;
    palette.setColor(role, colour);
    control->setPalette(palette);
}

} // namespace

void SetForeColor(QWidget *control, const QColor &colour)
{
    SetPaletteColour(control, IsEdit(control) ? QPalette::Text : QPalette::WindowText, colour);
}

void SetBackColor(QWidget *control, const QColor &colour)
{
    if (IsEdit(control)) {
        SetPaletteColour(control, QPalette::Base, colour);
        return;
    }
    SetPaletteColour(control, QPalette::Window, colour);
    if (!control->autoFillBackground())
        control->setAutoFillBackground(true);
}

} // namespace platform
