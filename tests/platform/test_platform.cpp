// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// What the handlers rely on from the control helpers: a write that changes nothing raises nothing,
// refused widths, case-blind lists, and the key codes that the digit filter sees and lets through.
// The message's wrapping at spaces is measured on screen by the look test.
#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "platform/accessibility.h"
#include "platform/controls.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void writes()
    {
        // QPlainTextEdit, unlike QLineEdit, signals a change when given the text it holds.
        QPlainTextEdit memo(QStringLiteral("7"));
        QSignalSpy memoChanges(&memo, &QPlainTextEdit::textChanged);
        for (const char *text : { "7", "7", "70" })
            platform::SetText(&memo, QString::fromLatin1(text));
        QCOMPARE(memoChanges.count(), 1);
        // A painted background is filled; widths in twips are rounded to pixels, and one that no widget
        // can take is refused and changes nothing.
        QLabel bar;
        platform::SetBackColor(&bar, Qt::red);
        QVERIFY(bar.autoFillBackground());
        for (const auto &[twips, pixels] :
            { std::pair { 8., 1 }, { 7., 0 }, { 22.5, 2 }, { -15., -1 }, { qQNaN(), -1 }, { 1e300, -1 } })
            QCOMPARE(platform::SetWidthTwips(&bar, twips) ? bar.width() : -1, pixels);
        QComboBox list;
        list.addItems({ "18 - 29", "over 60" });
        for (const char *text : { "Over 60", "none" }) {
            platform::SetListText(&list, QString::fromLatin1(text));
            QCOMPARE(list.currentText(), "over 60");
        }
    }

    // A line edit's text as screen readers ask for it: by boundary before, at and after an offset
    // within a piece, at a boundary, at the end and past it; and by range.
    void lineEditText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("step"); // before, at, after
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("piece"); // text, start and end
        const int word = QAccessible::WordBoundary, character = QAccessible::CharBoundary;
        for (const auto &[type, step, offset, piece] : { std::tuple { character, 0, 0, "1 0 1" },
                 { character, 0, 6, " 6 6" }, { character, -1, 6, "5 5 6" }, { character, 1, 5, " 6 6" },
                 { character, 0, 7, " -1 -1" }, { word, 0, 1, "12 0 2" }, { word, 0, 2, "  2 3" },
                 { word, 0, 6, "345 3 6" }, { word, -1, 3, "  2 3" }, { word, 1, 0, "  2 3" },
                 { word, 1, 6, " 6 6" }, { int(QAccessible::LineBoundary), 0, 3, "12 345 0 6" },
                 { int(QAccessible::SentenceBoundary), -1, 6, " 0 0" },
                 { int(QAccessible::NoBoundary), 0, 0, "12 345 0 6" } })
            QTest::addRow("%d %d at %d", type, step, offset) << type << step << offset << piece;
    }
    void lineEditText()
    {
        QFETCH(int, type);
        QFETCH(int, step);
        QFETCH(int, offset);
        platform::InstallAccessibility();
        QLineEdit box(QStringLiteral("12 345"));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&box)->textInterface();
        int start = 0, end = 0;
        const auto boundary = QAccessible::TextBoundaryType(type);
        const QString piece = step < 0 ? text->textBeforeOffset(offset, boundary, &start, &end)
            : step > 0                 ? text->textAfterOffset(offset, boundary, &start, &end)
                                       : text->textAtOffset(offset, boundary, &start, &end);
        QTEST(QString("%1 %2 %3").arg(piece).arg(start).arg(end), "piece");
        QCOMPARE(text->text(2, 5) + "|" + text->text(0, 6) + "|" + text->text(3, 3), " 34|12 345|");
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("passed"); // the code after the digit filter; -1: no character
        for (const auto &[name, key, control, text, passed] :
            { std::tuple { "Ctrl+A", Qt::Key_A, true, "a", 1 }, { "Ctrl+Z", Qt::Key_Z, true, "", 26 },
                { "Escape", Qt::Key_Escape, false, "\x1b", 0 },
                { "Delete", Qt::Key_Delete, false, "\x7f", -1 }, { "/", Qt::Key_Slash, false, "/", 0 },
                { ":", Qt::Key_Colon, false, ":", 0 } })
            QTest::newRow(name) << int(key) << control << text << passed;
    }
    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(bool, control);
        QFETCH(QString, text);
        int code = platform::CharacterCode(
            QKeyEvent(QEvent::KeyPress, key, control ? Qt::ControlModifier : Qt::NoModifier, text))
                       .value_or(-1);
        if (code >= 0)
            platform::DigitsOnly(code);
        QTEST(code, "passed");
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
