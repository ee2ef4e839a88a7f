// What the handlers rely on from the control helpers: a write that changes nothing raises nothing,
// refused widths, case-blind lists, and the key codes that the digit filter sees and lets through.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "gui_test_main.h"
#include "platform/controls.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void unchangedTextsRaiseNoChange()
    {
        QLineEdit box(QStringLiteral("7"));
        QPlainTextEdit memo(QStringLiteral("7"));
        QSignalSpy boxChanges(&box, &QLineEdit::textChanged),
            memoChanges(&memo, &QPlainTextEdit::textChanged);
        for (const char *text : { "7", "7", "70" }) {
            platform::SetText(&box, QString::fromLatin1(text));
            platform::SetText(&memo, QString::fromLatin1(text));
        }
        QCOMPARE(boxChanges.count() + memoChanges.count(), 2);
    }

    void widths_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels"); // -1: refused, the width stays
        for (const auto &[twips, pixels] : { std::pair { 3270., 218 }, { 7., 0 }, { 8., 1 }, { 0., 0 },
                 { -15., -1 }, { qQNaN(), -1 }, { 1e300, -1 } })
            QTest::addRow("%g", twips) << twips << pixels;
    }
    void widths()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QWidget bar;
        bar.resize(100, 9);
        QCOMPARE(platform::SetWidthTwips(&bar, twips), pixels >= 0);
        QCOMPARE(bar.width(), pixels >= 0 ? pixels : 100);
    }

    void listsSelectWithoutRegardToCase()
    {
        QComboBox list;
        list.addItems({ "18 - 29", "over 60" });
        for (const char *text : { "Over 60", "none" }) {
            platform::SetListText(&list, QString::fromLatin1(text));
            QCOMPARE(platform::ListText(&list), "over 60");
        }
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("passed"); // the code after the digit filter; -1: no character
        const auto row = [](const char *name, int key, Qt::KeyboardModifiers modifiers, const QString &text,
                             int passed) { QTest::newRow(name) << key << int(modifiers) << text << passed; };
        row("Ctrl+A", Qt::Key_A, Qt::ControlModifier, "a", 1);
        row("Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, "", 26);
        row("Backspace", Qt::Key_Backspace, {}, "\b", 8);
        row("Escape", Qt::Key_Escape, {}, "\x1b", 0);
        row("Delete", Qt::Key_Delete, {}, "\x7f", -1);
        for (const char *character : { "0", "9", "/", ":", "a" })
            row(character, character[0], {}, character, QChar(character[0]).isDigit() ? character[0] : 0);
    }
    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        int code = platform::CharacterCode(event).value_or(-1);
        if (code >= 0)
            platform::DigitsOnly(code);
        QTEST(code, "passed");
    }
};

SOMATRA_GUI_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
