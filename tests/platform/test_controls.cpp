// The event rules the handlers rely on, checked on real Qt widgets through the platform helpers.
#include <cmath>
#include <limits>
#include <optional>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "gui_test_main.h"
#include "platform/controls.h"

using platform::KeyPressHandler;

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(!QApplication::activeModalWidget(), "unexpected modal dialog"); }

    // State: a box holds a text. Action: a text is written. Expected: a change event only when it differs.
    void textChangeOnlyOnRealChange_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("throughHelper");
        QTest::addColumn<int>("changes");
        QTest::newRow("helper, same text") << "Text1"
                                           << "Text1" << true << 0;
        QTest::newRow("helper, different text") << "Text1"
                                                << "" << true << 1;
        QTest::newRow("helper, empty to empty") << ""
                                                << "" << true << 0;
        QTest::newRow("helper, differs in case only") << "abc"
                                                      << "ABC" << true << 1;
        // Qt itself compares too: a raw write of the same text raises nothing either.
        QTest::newRow("raw setText, same text") << "72"
                                                << "72" << false << 0;
        QTest::newRow("raw setText, different text") << "72"
                                                     << "725" << false << 1;
    }
    void textChangeOnlyOnRealChange()
    {
        QFETCH(QString, before);
        QFETCH(QString, written);
        QFETCH(bool, throughHelper);
        QFETCH(int, changes);
        QLineEdit box(before);
        QSignalSpy spy(&box, &QLineEdit::textChanged);
        if (throughHelper)
            platform::SetText(&box, written);
        else
            box.setText(written);
        QCOMPARE(spy.count(), changes);
        QCOMPARE(box.text(), written);
    }

    // State: box A's change handler writes box B. Action: write A. Expected: both handlers run to
    // their end, nested, before the writer's next step.
    void textChangeRunsNestedBeforeNextStep()
    {
        QLineEdit a, b;
        QStringList log;
        connect(&b, &QLineEdit::textChanged, &b, [&] { log << "B changed"; });
        connect(&a, &QLineEdit::textChanged, &a, [&] {
            log << "A changed";
            platform::SetText(&b, QStringLiteral("written by A"));
            log << "A done";
        });
        platform::SetText(&a, QStringLiteral("7"));
        log << "writer continues";
        const QStringList expected { "A changed", "B changed", "A done", "writer continues" };
        QCOMPARE(log, expected);
    }

    // A handler that writes the same text again stops the nesting after one level.
    void textChangeNestingStopsOnSameText()
    {
        QLineEdit box;
        int depth = 0;
        int runs = 0;
        connect(&box, &QLineEdit::textChanged, &box, [&] {
            ++runs;
            ++depth;
            QVERIFY(depth <= 1);
            platform::SetText(&box, QStringLiteral("1.4"));
            --depth;
        });
        platform::SetText(&box, QStringLiteral("1.4"));
        QCOMPARE(runs, 1);
    }

    void multiLineTextChangeOnlyOnRealChange()
    {
        QPlainTextEdit box(QStringLiteral("Text10"));
        QSignalSpy spy(&box, &QPlainTextEdit::textChanged);
        platform::SetText(&box, QStringLiteral("Text10"));
        QCOMPARE(spy.count(), 0);
        platform::SetText(&box, QString());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(box.toPlainText(), QString());
        platform::SetBackColor(&box, QColor(0, 0, 0));
        QCOMPARE(box.palette().color(QPalette::Base), QColor(0, 0, 0));
    }

    // State: a selection-only list. Action: write a text. Expected: the item equal to it without regard
    // to case is selected; reading gives the item as stored; no match leaves the selection alone.
    void listTextSelectsCaseBlind_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("read");
        QTest::addColumn<int>("clicks");
        const QStringList age { "18 - 29", "30 - 59", "over 60" };
        const QStringList intensity { "Weak", "Moderate", "High" };
        QTest::newRow("Over 60 selects the stored over 60") << age << -1 << "Over 60" << 2 << "over 60" << 1;
        QTest::newRow("exact text selects its item") << age << -1 << "30 - 59" << 1 << "30 - 59" << 1;
        QTest::newRow("upper case selects Moderate") << intensity << 0 << "MODERATE" << 1 << "Moderate" << 1;
        QTest::newRow("unmatched text keeps the selection") << intensity << 2 << "Strong" << 2 << "High" << 0;
        QTest::newRow("unmatched text keeps no selection") << intensity << -1 << "Weakly" << -1 << "" << 0;
        QTest::newRow("empty text keeps the selection") << intensity << 0 << "" << 0 << "Weak" << 0;
        QTest::newRow("same item again is no change") << intensity << 0 << "weak" << 0 << "Weak" << 0;
    }
    void listTextSelectsCaseBlind()
    {
        QFETCH(QStringList, items);
        QFETCH(int, before);
        QFETCH(QString, written);
        QFETCH(int, selected);
        QFETCH(QString, read);
        QFETCH(int, clicks);
        QComboBox list;
        list.addItems(items);
        list.setCurrentIndex(before);
        QVERIFY(!list.isEditable());
        QSignalSpy spy(&list, &QComboBox::currentIndexChanged);
        platform::SetListText(&list, written);
        QCOMPARE(list.currentIndex(), selected);
        QCOMPARE(platform::ListText(&list), read);
        QCOMPARE(spy.count(), clicks);
    }

    // A program write that selects another item raises the list click at once, nested.
    void listClickRunsNestedBeforeNextStep()
    {
        QComboBox list;
        list.addItems({ "Weak", "Moderate", "High" });
        list.setCurrentIndex(-1);
        QStringList log;
        connect(&list, &QComboBox::currentIndexChanged, &list,
            [&] { log << QStringLiteral("click sees ") + platform::ListText(&list); });
        platform::SetListText(&list, QStringLiteral("High"));
        log << "writer continues";
        const QStringList expected { "click sees High", "writer continues" };
        QCOMPARE(log, expected);
    }

    // State: a 483 px wide bar. Action: set a width in twips. Expected: a negative or missing width fails
    // and changes nothing; any other width is applied in pixels.
    void widthWrite_data()
    {
        QTest::addColumn<std::optional<double>>("twips");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("width");
        QTest::newRow("negative width is refused") << std::optional<double>(-15.0) << false << 483;
        QTest::newRow("tiny negative width is refused") << std::optional<double>(-0.001) << false << 483;
        QTest::newRow("absent width is refused") << std::optional<double>() << false << 483;
        QTest::newRow("NaN is refused") << std::optional<double>(std::nan("")) << false << 483;
        QTest::newRow("infinity is refused")
            << std::optional<double>(std::numeric_limits<double>::infinity()) << false << 483;
        QTest::newRow("overflowing width is refused") << std::optional<double>(1e30) << false << 483;
        QTest::newRow("zero width") << std::optional<double>(0.0) << true << 0;
        QTest::newRow("2100 twips is 140 px") << std::optional<double>(2100.0) << true << 140;
        QTest::newRow("rounds to the nearest pixel") << std::optional<double>(3592.5) << true << 240;
    }
    void widthWrite()
    {
        QFETCH(std::optional<double>, twips);
        QFETCH(bool, accepted);
        QFETCH(int, width);
        QLabel bar;
        bar.setGeometry(54, 432, 483, 9);
        QCOMPARE(platform::SetWidthTwips(&bar, twips), accepted);
        QCOMPARE(bar.width(), width);
        QCOMPARE(bar.geometry().topLeft(), QPoint(54, 432));
        QCOMPARE(bar.height(), 9);
    }

    // State: a box with the digit filter holding "12". Action: type one key. Expected: digits and
    // control codes pass; other characters are discarded without a change event.
    void digitFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("after");
        const int none = Qt::NoModifier;
        QTest::newRow("digit 7 passes") << int(Qt::Key_7) << none << int('7') << "127";
        QTest::newRow("digit 0 passes") << int(Qt::Key_0) << none << int('0') << "120";
        QTest::newRow("letter a is refused") << int(Qt::Key_A) << none << int('a') << "12";
        QTest::newRow("space is refused") << int(Qt::Key_Space) << none << int(' ') << "12";
        QTest::newRow("point is refused") << int(Qt::Key_Period) << none << int('.') << "12";
        QTest::newRow("comma is refused") << int(Qt::Key_Comma) << none << int(',') << "12";
        QTest::newRow("minus is refused") << int(Qt::Key_Minus) << none << int('-') << "12";
        QTest::newRow("Escape (27) is refused") << int(Qt::Key_Escape) << none << 27 << "12";
        QTest::newRow("Backspace (8) passes") << int(Qt::Key_Backspace) << none << 8 << "1";
    }
    void digitFilter()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(QString, after);
        QLineEdit box(QStringLiteral("12"));
        QList<int> seen;
        platform::InstallKeyPressHook(&box, [&](int &keyAscii) {
            seen << keyAscii;
            platform::DigitsOnly(keyAscii);
        });
        QSignalSpy changes(&box, &QLineEdit::textChanged);
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(seen, QList<int> { code });
        QCOMPARE(box.text(), after);
        QCOMPARE(changes.count(), after == QLatin1String("12") ? 0 : 1);
    }

    // Ctrl+letter reaches the handler as its control code (QTest sends the letter as the event text)
    // and passes the filter, so the edit shortcuts keep working.
    void controlShortcutsPass_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("Ctrl+A (1) selects all, then 7 replaces") << int(Qt::Key_A) << 1 << "7"
                                                                 << "";
        QTest::newRow("Ctrl+C (3) copies") << int(Qt::Key_C) << 3 << "1234"
                                           << "34";
        QTest::newRow("Ctrl+X (24) cuts") << int(Qt::Key_X) << 24 << "12"
                                          << "34";
        QTest::newRow("Ctrl+V (22) pastes unfiltered") << int(Qt::Key_V) << 22 << "1272.5"
                                                       << "72.5";
        QTest::newRow("Ctrl+Z (26) undoes") << int(Qt::Key_Z) << 26 << ""
                                            << "";
    }
    void controlShortcutsPass()
    {
        QFETCH(int, key);
        QFETCH(int, code);
        QFETCH(QString, after);
        QFETCH(QString, clipboard);
        QLineEdit box;
        box.show(); // Cut and paste need a visible box in some styles.
        QList<int> seen;
        platform::InstallKeyPressHook(&box, [&](int &keyAscii) {
            seen << keyAscii;
            platform::DigitsOnly(keyAscii);
        });
        QApplication::clipboard()->setText(QStringLiteral("72.5"));
        box.insert(QStringLiteral("1234")); // undoable, so Ctrl+Z has something to take back
        box.setSelection(2, 2); // "34"
        QTest::keyClick(&box, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(seen, QList<int> { code });
        if (key == Qt::Key_A)
            QTest::keyClick(&box, Qt::Key_7);
        QCOMPARE(box.text(), after);
        if (key == Qt::Key_C || key == Qt::Key_X)
            QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    void characterCode_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code"); // -1: not a character key
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+V with text v") << int(Qt::Key_V) << ctrl << "v" << 22;
        QTest::newRow("Ctrl+V with control text") << int(Qt::Key_V) << ctrl << "\x16" << 22;
        QTest::newRow("Ctrl+Shift+Z with text Z")
            << int(Qt::Key_Z) << int(ctrl | Qt::ShiftModifier) << "Z" << 26;
        QTest::newRow("AltGr letter is a character")
            << int(Qt::Key_E) << int(ctrl | Qt::AltModifier) << "€" << 0x20ac;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("Delete is no character") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
        QTest::newRow("arrow is no character") << int(Qt::Key_Left) << 0 << "" << -1;
    }
    void characterCode()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const std::optional<int> got = platform::CharacterCode(event);
        QCOMPARE(got.value_or(-1), code);
    }

    // A handler may replace the character: the replacement is typed instead, once.
    void keyHookReplacesCharacter()
    {
        QLineEdit box;
        platform::InstallKeyPressHook(&box, [](int &keyAscii) {
            if (keyAscii == 'a')
                keyAscii = 'A';
        });
        QSignalSpy changes(&box, &QLineEdit::textChanged);
        QTest::keyClicks(&box, QStringLiteral("ab"));
        QCOMPARE(box.text(), QStringLiteral("Ab"));
        QCOMPARE(changes.count(), 2);
    }

    // Text and background go to the palette roles each kind of control paints with.
    void coloursUsePaletteRoles()
    {
        QLabel label;
        QLineEdit box;
        platform::SetForeColor(&label, QColor(255, 0, 0));
        platform::SetBackColor(&label, QColor(192, 0, 0));
        platform::SetForeColor(&box, QColor(0, 255, 0));
        platform::SetBackColor(&box, QColor(0, 0, 0));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(192, 0, 0));
        QVERIFY(label.autoFillBackground());
        QCOMPARE(box.palette().color(QPalette::Text), QColor(0, 255, 0));
        QCOMPARE(box.palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(platform::ForeColor(&box), QColor(0, 255, 0));
        QCOMPARE(platform::BackColor(&label), QColor(192, 0, 0));
        QVERIFY(label.styleSheet().isEmpty() && box.styleSheet().isEmpty());
    }
};

SOMATRA_GUI_TEST_MAIN(TestControls)
#include "test_controls.moc"
