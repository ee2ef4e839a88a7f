// Start-up state and the handling of every kind of input of the main window.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QSignalSpy>

#include "guitest.h"

using namespace guitest;

namespace {

QWidgetList AboutWindows()
{
    QWidgetList found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form2") && window->isVisible())
            found << window;
    }
    return found;
}

} // namespace

class TestInputEvents : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyShowingReducedWeight();
    void keyFilterLetsOnlyDigitsThrough_data();
    void keyFilterLetsOnlyDigitsThrough();
    void backspaceRecalculates();
    void pasteIsAccepted();
    void activityChoicesAreRecorded_data();
    void activityChoicesAreRecorded();
    void optionGroupsAreIndependent();
    void unitSwitchWithText_data();
    void unitSwitchWithText();
    void unitSwitchWithEmptyBoxesRunsNoPass();
    void inchesRecalculateOnlyInEnglishUnits();
    void aboutOpensOnceBesideAWorkingMainWindow();
    void closingEndsWithEveryWindow();
};

void TestInputEvents::startsEmptyShowingReducedWeight()
{
    // State: a new window. Expected: inputs and visible results empty, reduced-weight look,
    // energy rows hidden, focus in the height box.
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char *box : { "Text1", "Text2", "Text11", "Text3", "Text6", "Text7", "Text8", "Text9" })
        QVERIFY2(TextOf(&form, box).isEmpty(), box);
    QCOMPARE(TextOf(&form, "Text4"), QString("00"));
    QCOMPARE(TextOf(&form, "Text5"), QString("00"));
    QCOMPARE(CaptionOf(&form, "Label23"), QString("00 - 00"));
    QCOMPARE(
        CaptionOf(&form, "Label4"), QString("BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)"));
    QCOMPARE(CaptionOf(&form, "Label22"), QString());
    QCOMPARE(CaptionOf(&form, "Label31"), QString());
    QVERIFY(Control(&form, "Image1")->isVisible());
    QVERIFY(!Control(&form, "Image2")->isVisible());
    for (const char *hidden :
        { "Text6", "Text7", "Text8", "Label14", "Label17", "Label19", "Label20", "Text11", "Label24" })
        QVERIFY2(!Control(&form, hidden)->isVisible(), hidden);
    QCOMPARE(Control(&form, "Label49")->width(), platform::TwipsToPixels(7245));
    QCOMPARE(platform::BackColor(Control(&form, "Text3")), QColor(0, 0, 0));
    QCOMPARE(platform::ForeColor(Control(&form, "Text3")), QColor(0, 255, 0));
    QCOMPARE(platform::BackColor(Control(&form, "Text9")), QColor(0, 0, 255));
    QCOMPARE(platform::ForeColor(Control(&form, "Text9")), QColor(255, 255, 0));
    QCOMPARE(Control(&form, "Text9")->font().pointSize(), 14);
    QVERIFY(Control(&form, "Text9")->font().bold());
    QCOMPARE(Control(&form, "Label4")->font().pointSize(), 10);
    for (const char *list : { "Combo1", "Combo2", "Combo3", "Combo4" })
        QCOMPARE(Control<QComboBox>(&form, list)->currentIndex(), -1);
    QCOMPARE(form.focusWidget(), Control(&form, "Text2"));
}

void TestInputEvents::keyFilterLetsOnlyDigitsThrough_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("changes");
    for (const char *box : { "Text1", "Text2" }) {
        const QString name = QString::fromLatin1(box);
        QTest::addRow("%s: digits", box) << name << "75"
                                         << "75" << 2;
        QTest::addRow("%s: letters, blank, point, comma, minus", box) << name << "a .,-x"
                                                                      << "" << 0;
        QTest::addRow("%s: digits among refused keys", box) << name << "7a 5."
                                                            << "75" << 2;
        QTest::addRow("%s: non-Latin digit", box) << name << QString::fromUtf8("\xd9\xa3") << "" << 0;
    }
}

void TestInputEvents::keyFilterLetsOnlyDigitsThrough()
{
    // A refused key changes nothing, so no pass runs for it.
    QFETCH(QString, box);
    QFETCH(QString, typed);
    Form1 form;
    auto *edit = Control<QLineEdit>(&form, box.toLatin1().constData());
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    Type(&form, box.toLatin1().constData(), typed);
    QTEST(edit->text(), "kept");
    QTEST(int(changes.count()), "changes");
}

void TestInputEvents::backspaceRecalculates()
{
    Form1 form;
    Type(&form, "Text2", "200");
    Type(&form, "Text1", "745");
    QCOMPARE(TextOf(&form, "Text3"), QString("186.3"));
    QTest::keyClick(Control(&form, "Text1"), Qt::Key_Backspace);
    QCOMPARE(TextOf(&form, "Text1"), QString("74"));
    QCOMPARE(TextOf(&form, "Text3"), QString("18.5"));
}

void TestInputEvents::pasteIsAccepted()
{
    // Ctrl+V passes the key filter though QTest sends it with the text "v"; pasted text is not filtered.
    Form1 form;
    Type(&form, "Text2", "175");
    Paste(&form, "Text1", "72.5");
    QCOMPARE(TextOf(&form, "Text1"), QString("72.5"));
    QCOMPARE(TextOf(&form, "Text3"), QString("23.7"));
    // Select all, cut and undo pass as well.
    auto *weight = Control<QLineEdit>(&form, "Text1");
    QTest::keyClick(weight, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(weight, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(weight->text(), QString());
    QCOMPARE(TextOf(&form, "Text3"), QString("0.0"));
    QTest::keyClick(weight, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(weight->text(), QString("72.5"));
    QCOMPARE(TextOf(&form, "Text3"), QString("23.7"));
}

void TestInputEvents::activityChoicesAreRecorded_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("examples");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("shownExamples");
    QTest::newRow("18-29") << "Option1"
                           << "Combo1"
                           << "18 - 29"
                           << ""
                           << ""
                           << "";
    QTest::newRow("60 and over keeps the stored letter case") << "Option3"
                                                              << "Combo1"
                                                              << "over 60"
                                                              << ""
                                                              << ""
                                                              << "";
    QTest::newRow("female") << "Option11"
                            << "Combo2"
                            << "Female"
                            << ""
                            << ""
                            << "";
    QTest::newRow("very active outside work") << "Option6"
                                              << "Combo3"
                                              << "High"
                                              << ""
                                              << ""
                                              << "";
    QTest::newRow("non-active at work") << "Option7"
                                        << "Combo4"
                                        << "Weak"
                                        << "teachers, office workers, traveling salesman , housewives "
                                        << "Examples of low-intensity activities at work:"
                                        << "(teachers, office workers, traveling salesman , housewives) ";
    QTest::newRow("moderately active at work")
        << "Option8"
        << "Combo4"
        << "Moderate"
        << "vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some "
           "manufacturing "
           "jobs"
        << "Examples of moderate-intensity activities at work:"
        << "(vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some "
           "manufacturing jobs) ";
    QTest::newRow("very active at work") << "Option9"
                                         << "Combo4"
                                         << "High"
                                         << "workers, farmers, masons that all the work done by hand"
                                         << "Examples of high-intensity activities at work:"
                                         << "(workers, farmers, masons that all the work done by hand) ";
}

void TestInputEvents::activityChoicesAreRecorded()
{
    QFETCH(QString, option);
    QFETCH(QString, list);
    Form1 form;
    ClickOption(&form, option.toLatin1().constData());
    QTEST(platform::ListText(Control<QComboBox>(&form, list.toLatin1().constData())), "recorded");
    QTEST(Control<QPlainTextEdit>(&form, "Text10")->toPlainText(), "examples");
    QTEST(CaptionOf(&form, "Label31"), "heading");
    QTEST(CaptionOf(&form, "Label22"), "shownExamples");
}

void TestInputEvents::optionGroupsAreIndependent()
{
    // The two activity groups share a frame but not their selection.
    Form1 form;
    ClickOption(&form, "Option5");
    ClickOption(&form, "Option9");
    ClickOption(&form, "Option2");
    ClickOption(&form, "Option11");
    for (const char *on : { "Option5", "Option9", "Option2", "Option11", "Option12" })
        QVERIFY2(Control<QRadioButton>(&form, on)->isChecked(), on);
    ClickOption(&form, "Option4");
    QVERIFY(Control<QRadioButton>(&form, "Option9")->isChecked());
    QVERIFY(!Control<QRadioButton>(&form, "Option5")->isChecked());
}

void TestInputEvents::unitSwitchWithText_data()
{
    QTest::addColumn<bool>("toEnglish");
    QTest::addColumn<QString>("heightUnit");
    QTest::addColumn<QString>("weightUnit");
    QTest::addColumn<QString>("rangeCaption");
    QTest::newRow("to English") << true << "ft"
                                << "lbs"
                                << "Appropriate weight (lbs)";
    QTest::newRow("back to metric") << false << "cm"
                                    << "kg"
                                    << "Appropriate weight (kg)";
}

void TestInputEvents::unitSwitchWithText()
{
    // State: every choice made, boxes filled. Action: switch units.
    // Expected: new captions, weight, height and TEE empty, focus in the height box.
    QFETCH(bool, toEnglish);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
        ClickOption(&form, option);
    if (!toEnglish) {
        ClickOption(&form, "Option13");
        Type(&form, "Text11", "9");
    }
    Type(&form, "Text2", toEnglish ? "175" : "5");
    Type(&form, "Text1", toEnglish ? "70" : "154");
    QVERIFY(!TextOf(&form, "Text9").isEmpty());

    ClickOption(&form, toEnglish ? "Option13" : "Option12");
    QTEST(CaptionOf(&form, "Label2"), "heightUnit");
    QTEST(CaptionOf(&form, "Label1"), "weightUnit");
    QTEST(Control<QGroupBox>(&form, "Frame5")->title(), "rangeCaption");
    QCOMPARE(Control(&form, "Text11")->isVisible(), toEnglish);
    QCOMPARE(Control(&form, "Label24")->isVisible(), toEnglish);
    QCOMPARE(TextOf(&form, "Text1"), QString());
    QCOMPARE(TextOf(&form, "Text2"), QString());
    QCOMPARE(TextOf(&form, "Text9"), QString());
    QCOMPARE(TextOf(&form, "Text11"), QString());
    QCOMPARE(TextOf(&form, "Text3"), QString());
    QCOMPARE(form.focusWidget(), Control(&form, "Text2"));
    // The next digit brings the TEE back, computed with weight 0.
    Type(&form, "Text2", toEnglish ? "5" : "175");
    QCOMPARE(TextOf(&form, "Text9"), toEnglish ? QString("1,188") : QString("1,193"));
}

void TestInputEvents::unitSwitchWithEmptyBoxesRunsNoPass()
{
    // With empty boxes the switch changes captions and clears the TEE but runs no pass.
    Form1 form;
    for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
        ClickOption(&form, option);
    QCOMPARE(TextOf(&form, "Text9"), QString("1,164")); // 705 kcal, PAL 1.5, DIT 106
    QSignalSpy bmiChanges(Control<QLineEdit>(&form, "Text8"), &QLineEdit::textChanged);
    ClickOption(&form, "Option13");
    QCOMPARE(bmiChanges.count(), 0);
    QCOMPARE(TextOf(&form, "Text9"), QString());
    QCOMPARE(TextOf(&form, "Text8"), QString("106"));
    QCOMPARE(CaptionOf(&form, "Label1"), QString("lbs"));
}

void TestInputEvents::inchesRecalculateOnlyInEnglishUnits()
{
    Form1 form;
    ClickOption(&form, "Option13");
    Type(&form, "Text2", "5");
    Type(&form, "Text1", "154");
    QCOMPARE(TextOf(&form, "Text3"), QString("30.1"));
    Type(&form, "Text11", "9x");
    QCOMPARE(TextOf(&form, "Text11"), QString("9"));
    QCOMPARE(TextOf(&form, "Text3"), QString("22.8"));
    // Back in metric units the inches box is cleared and hidden, and never read.
    ClickOption(&form, "Option12");
    QCOMPARE(TextOf(&form, "Text11"), QString());
    Type(&form, "Text2", "175");
    Type(&form, "Text1", "70");
    QCOMPARE(TextOf(&form, "Text3"), QString("22.9"));
}

void TestInputEvents::aboutOpensOnceBesideAWorkingMainWindow()
{
    // State: the main window. Action: choose "About" twice, then type.
    // Expected: one About window, and the main window still recalculates.
    Form1 form;
    form.show();
    auto *about = form.findChild<QAction *>(QStringLiteral("Ab"));
    QVERIFY(about);
    about->trigger();
    about->trigger();
    QCOMPARE(AboutWindows().size(), 1);
    Type(&form, "Text2", "175");
    Type(&form, "Text1", "70");
    QCOMPARE(TextOf(&form, "Text3"), QString("22.9"));
    for (QWidget *window : AboutWindows())
        window->close();
    QTRY_VERIFY(AboutWindows().isEmpty());
}

void TestInputEvents::closingEndsWithEveryWindow()
{
    // State: the main window and the About window are open. Action: close the main window.
    // Expected: both are gone.
    auto *form = new Form1;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    form->findChild<QAction *>(QStringLiteral("Ab"))->trigger();
    QCOMPARE(AboutWindows().size(), 1);
    QPointer<Form1> guard(form);
    QVERIFY(form->close());
    QTRY_VERIFY(guard.isNull());
    QTRY_VERIFY(AboutWindows().isEmpty());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }));
}

SOMATRA_GUI_TEST_MAIN(TestInputEvents)
#include "tst_inputevents.moc"
