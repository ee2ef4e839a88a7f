// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Writes to controls that skip an unchanged value, so no change signal and no relayout happen for
// nothing; and the selection-only lists.
#include <QString>

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
void SetTitle(QGroupBox *frame, const QString &title);
void SetVisible(QWidget *control, bool visible);

// Selection-only lists: writing selects the item equal to the text without regard to case (nothing
// changes when none matches); currentText() reads the item as stored, or "" with none.
void SetListText(QComboBox *list, const QString &text);

} // namespace platform
