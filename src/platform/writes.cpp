// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/writes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "platform/accessibility.h"

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

} // namespace platform
