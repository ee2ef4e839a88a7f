#pragma once
// Shared set-up for the main window tests: offscreen platform, pinned locale, widget lookup by name.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "gui_test_main.h"
#include "mainwindow/form1.h"
#include "platform/controls.h"

namespace guitest {

template <typename T = QWidget> T *Control(QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

inline QString TextOf(QWidget *window, const char *name)
{
    return Control<QLineEdit>(window, name)->text();
}

inline QString CaptionOf(QWidget *window, const char *name)
{
    return Control<QLabel>(window, name)->text();
}

// Clicks an option button where a person would: on its indicator.
inline void ClickOption(QWidget *window, const char *name)
{
    auto *option = Control<QRadioButton>(window, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

inline void Type(QWidget *window, const char *name, const QString &keys)
{
    auto *box = Control<QLineEdit>(window, name);
    box->setFocus();
    // QTest maps only ASCII to keys; other characters arrive as text, as an input method sends them.
    for (const QChar key : keys) {
        if (key.unicode() < 128)
            QTest::keyClick(box, key.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
}

inline void Paste(QWidget *window, const char *name, const QString &text)
{
    auto *box = Control<QLineEdit>(window, name);
    box->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

inline void ClearBox(QWidget *window, const char *name)
{
    auto *box = Control<QLineEdit>(window, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

} // namespace guitest
