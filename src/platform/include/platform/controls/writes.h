// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Writes to controls: the one place that skips an unchanged text, colour, visibility or width, so that
// no change signal, relayout or repaint happens for nothing; and the selection-only lists.
#include <optional>
#include <string_view>

#include <QString>

class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace platform {

void SetText(QLineEdit *box, const QString &text);
void SetText(QPlainTextEdit *box, const QString &text); // the multi-line box
void SetCaption(QLabel *label, const QString &caption);
// Results as the arithmetic writes them, in UTF-8.
void SetText(QLineEdit *box, std::string_view utf8);
void SetCaption(QLabel *label, std::string_view utf8);
void SetTitle(QGroupBox *frame, const QString &title);
void SetVisible(QWidget *control, bool visible);

// Selection-only lists: writing selects the item equal to the text without regard to case (nothing
// changes when none matches); currentText() reads the item as stored, or "" with none.
void SetListText(QComboBox *list, const QString &text);

// Text colour: WindowText for labels and lines, Text for edits. Background: Window with
// autoFillBackground for labels, Base for edits. Unchanged colours are not written again.
void SetForeColor(QWidget *control, const QColor &colour);
void SetBackColor(QWidget *control, const QColor &colour);

// The layout is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;
int TwipsToPixels(double twips);
// Width in twips; a negative, non-finite or overflowing width is refused and nothing changes.
bool SetWidthTwips(QWidget *control, std::optional<double> twips);

} // namespace platform
