// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/controls/writes.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QWidget>

#include "platform/a11y/accessibility.h"

namespace platform {

void SetText(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

void SetText(QPlainTextEdit *box, const QString &text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

void SetCaption(QLabel *label, const QString &caption)
{
    if (label->text() == caption)
        return;
    label->setText(caption);
    NotifyNameChanged(label);
}

namespace {

// Only for speed: recognising an unchanged result before converting it saves 12 % of a pass
// (bench/run), which writes nine results.
bool Shows(const QString &text, std::string_view utf8)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    return ascii && text == QLatin1String(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

void SetText(QLineEdit *box, std::string_view utf8)
{
    if (!Shows(box->text(), utf8))
        SetText(box, FromUtf8(utf8));
}

void SetCaption(QLabel *label, std::string_view utf8)
{
    if (!Shows(label->text(), utf8))
        SetCaption(label, FromUtf8(utf8));
}

void SetTitle(QGroupBox *frame, const QString &title)
{
    if (frame->title() == title)
        return;
    frame->setTitle(title);
    NotifyNameChanged(frame);
}

void SetVisible(QWidget *control, bool visible)
{
    if (control->isHidden() == visible)
        control->setVisible(visible);
}

void SetListText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        list->setCurrentIndex(index);
}

namespace {

bool IsEdit(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) != nullptr
        || qobject_cast<const QPlainTextEdit *>(control) != nullptr;
}

// A palette that sets just this colour in this role, built once: the windows use a handful. Only for
// speed: copying the control's palette for each colour costs 8.7 % of a keystroke (bench/run).
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
