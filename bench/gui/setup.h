// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Shared set-up of the GUI benchmarks: a shown main window with every choice made.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTest>

#include "mainwindow/form1.h"

namespace bench {

template <typename T> T *Find(Form1 &form, const char *name)
{
    T *control = form.findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("control %s not found", name);
    return control;
}

inline void Click(Form1 &form, const char *name)
{
    auto *option = Find<QRadioButton>(form, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

inline void Type(QLineEdit *box, const char *digits)
{
    for (const char *c = digits; *c; ++c)
        QTest::keyClick(box, *c);
}

// Ages 18-29, male, moderately active outside work, non-active at work; 175 cm, 70 kg.
inline void MakeEveryChoice(Form1 &form)
{
    for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
        Click(form, option);
    Type(Find<QLineEdit>(form, "Text2"), "175");
    Type(Find<QLineEdit>(form, "Text1"), "70");
    // The window draws its results, as it does between a person's keystrokes.
    QCoreApplication::processEvents();
}

// A dark desktop palette, as qt6ct's or a GTK theme's.
inline QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

// A box holds at most 32,767 characters; a paste of digits is read as the number it is.
inline void PasteLongText(QLineEdit *box, int length = 32767)
{
    QApplication::clipboard()->setText(QString(length, QLatin1Char('7')));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    if (box->text().size() != length)
        qFatal("paste gave %d characters", int(box->text().size()));
}

} // namespace bench
