// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// What the handlers rely on from the controls: a write that changes nothing raises nothing, refused
// widths, fixed colours that never lighten on a light palette, and a text box's text for screen
// readers. The message's wrapping at spaces is measured on screen by the look test.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "platform/a11y/accessibility.h"
#include "platform/controls/legible.h"
#include "platform/controls/writes.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void writes()
    {
        // A result written again as it stands keeps the box as it is: no change, the cursor in place.
        QLineEdit box(QStringLiteral("2,933"));
        box.setCursorPosition(1);
        QSignalSpy changes(&box, &QLineEdit::textChanged);
        platform::SetText(&box, std::string_view("2,933"));
        platform::SetText(&box, QStringLiteral("2,933"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(box.cursorPosition(), 1);
        // Widths in twips are rounded to pixels, and one that no widget can take is refused.
        QLabel bar;
        for (const auto &[twips, pixels] :
            { std::pair { 8., 1 }, { 7., 0 }, { 22.5, 2 }, { -15., -1 }, { qQNaN(), -1 }, { 1e300, -1 } })
            QCOMPARE(platform::SetWidthTwips(&bar, twips) ? bar.width() : -1, pixels);
    }

    // On a light palette other than the design's, each fixed colour keeps its shade or darkens.
    void legibleOnLight()
    {
        QWidget window;
        window.setPalette(QPalette(QColor(250, 250, 250)));
        QLabel label(&window);
        for (const QColor &given :
            { QColor(255, 0, 0), QColor(0, 192, 0), QColor(192, 0, 0), QColor(0, 0, 255) })
            QVERIFY(
                platform::Legible(&label, given, platform::kTextContrast).lightness() <= given.lightness());
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
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
