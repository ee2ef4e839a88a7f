// End-to-end results of the main window, driven through real input.
#include <QAccessible>
#include <QAccessibleValueInterface>

#include "guitest.h"

using namespace guitest;

namespace {

const char *const kReduced = "BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)";
const char *const kNormal = "BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)";
const char *const kOverweight = "BMI is in the rang from 25 to 30 kg/m2 (overweight)";
const char *const kObesity = "BMI is greater than 30 kg/m2 (obesity)";

} // namespace

class TestRecalculate : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void bmiExactlyThirtyKeepsPreviousCategory();
    void emptyHeightShowsReducedWeightAndFullScale();
    void energyNeedsEveryChoice_data();
    void energyNeedsEveryChoice();
    void germanLocaleWritesAndReadsBackItsSeparators();
    void pastedTextIsReadLikeTheBoxesDo_data();
    void pastedTextIsReadLikeTheBoxesDo();
};

void TestRecalculate::results_data()
{
    // Choices are option names clicked in order; boxes are typed digit by digit.
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("bmi");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("bmr");
    QTest::addColumn<QString>("pal");
    QTest::addColumn<QString>("dit");
    QTest::addColumn<QString>("tee");
    QTest::addColumn<int>("barTwips");

    const QStringList man18ModerateWeak { "Option1", "Option10", "Option5", "Option7" };
    QTest::newRow("70 kg, 175 cm, man 18-29, moderate outside, non-active at work")
        << man18ModerateWeak << "175"
        << ""
        << "70"
        << "22.9" << kNormal << "57 - 76"
        << "1777"
        << "1.5"
        << "267"
        << "2,933" << 3270;
    QTest::newRow("60 kg, 165 cm, woman 18-29, non-active twice")
        << QStringList { "Option1", "Option11", "Option4", "Option7" } << "165"
        << ""
        << "60"
        << "22.0" << kNormal << "50 - 68"
        << "1382"
        << "1.4"
        << "193"
        << "2,128" << 3000;
    QTest::newRow("70 kg, 175 cm, man 30-59, very active twice")
        << QStringList { "Option2", "Option10", "Option6", "Option9" } << "175"
        << ""
        << "70"
        << "22.9" << kNormal << "57 - 76"
        << "1685"
        << "1.9"
        << "320"
        << "3,522" << 3270;
    QTest::newRow("400 kg, 200 cm, man 18-29, very active twice")
        << QStringList { "Option1", "Option10", "Option6", "Option9" } << "200"
        << ""
        << "400"
        << "100.0" << kObesity << "74 - 100"
        << "6749"
        << "1.9"
        << "1,282"
        << "14,105" << 7245;
    QTest::newRow("empty weight, 175 cm, man 18-29, non-active twice")
        << QStringList { "Option1", "Option10", "Option4", "Option7" } << "175"
        << ""
        << ""
        << "0.0" << kReduced << "57 - 76"
        << "723"
        << "1.4"
        << "101"
        << "1,113" << 0;
    QTest::newRow("empty boxes, woman 60 and over, very active twice")
        << QStringList { "Option3", "Option11", "Option6", "Option9" } << ""
        << ""
        << ""
        << "" << kReduced << "00 - 00"
        << "596"
        << "1.8"
        << "107"
        << "1,180" << 7245;
    QTest::newRow("154 lbs, 5 ft 9 in, man 18-29, moderate outside, non-active at work")
        << (QStringList { "Option13" } + man18ModerateWeak) << "5"
        << "9"
        << "154"
        << "22.8" << kNormal << "126 - 167"
        << "1776"
        << "1.5"
        << "266"
        << "2,930" << 3240;
    QTest::newRow("154 lbs, 5 ft, empty inches") << QStringList { "Option13" } << "5"
                                                 << ""
                                                 << "154"
                                                 << "30.1" << kObesity << "95 - 128"
                                                 << ""
                                                 << ""
                                                 << ""
                                                 << "" << 5430;
    QTest::newRow("74 kg, 200 cm: 18.5 is normal") << QStringList {} << "200"
                                                   << ""
                                                   << "74"
                                                   << "18.5" << kNormal << "74 - 100"
                                                   << ""
                                                   << ""
                                                   << ""
                                                   << "" << 1950;
    QTest::newRow("100 kg, 200 cm: 25 is normal") << QStringList {} << "200"
                                                  << ""
                                                  << "100"
                                                  << "25.0" << kNormal << "74 - 100"
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "" << 3900;
    QTest::newRow("45 kg, 200 cm: below the scale") << QStringList {} << "200"
                                                    << ""
                                                    << "45"
                                                    << "11.3" << kReduced << "74 - 100"
                                                    << ""
                                                    << ""
                                                    << ""
                                                    << "" << 0;
    QTest::newRow("110 kg, 200 cm: overweight") << QStringList {} << "200"
                                                << ""
                                                << "110"
                                                << "27.5" << kOverweight << "74 - 100"
                                                << ""
                                                << ""
                                                << ""
                                                << "" << 4650;
    QTest::newRow("150 kg, 160 cm: beyond the scale") << QStringList {} << "160"
                                                      << ""
                                                      << "150"
                                                      << "58.6" << kObesity << "47 - 64"
                                                      << ""
                                                      << ""
                                                      << ""
                                                      << "" << 7245;
}

void TestRecalculate::results()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, height);
    QFETCH(QString, inches);
    QFETCH(QString, weight);
    Form1 form;
    for (const QString &option : choices)
        ClickOption(&form, option.toLatin1().constData());
    Type(&form, "Text2", height);
    if (!inches.isEmpty())
        Type(&form, "Text11", inches);
    Type(&form, "Text1", weight);

    QTEST(TextOf(&form, "Text3"), "bmi");
    QTEST(CaptionOf(&form, "Label4"), "message");
    QTEST(CaptionOf(&form, "Label23"), "range");
    QTEST(TextOf(&form, "Text6"), "bmr");
    QTEST(TextOf(&form, "Text7"), "pal");
    QTEST(TextOf(&form, "Text8"), "dit");
    QTEST(TextOf(&form, "Text9"), "tee");
    QFETCH(int, barTwips);
    for (const char *bar : { "Label49", "Label50", "Label51" })
        QCOMPARE(Control(&form, bar)->width(), platform::TwipsToPixels(barTwips));
    // Screen readers hear the BMI that the bars draw, or the start of the scale without one.
    const QString bmiShown = TextOf(&form, "Text3");
    QCOMPARE(
        QAccessible::queryAccessibleInterface(Control(&form, "Label49"))->valueInterface()->currentValue(),
        QVariant(bmiShown.isEmpty() ? 12.0 : bmiShown.toDouble()));

    const QString message = CaptionOf(&form, "Label4");
    const bool normal = message == QLatin1String(kNormal);
    QCOMPARE(Control(&form, "Image2")->isVisibleTo(&form), normal);
    QCOMPARE(Control(&form, "Image1")->isVisibleTo(&form), !normal);
    const QColor expected = normal           ? QColor(0, 192, 0)
        : message == QLatin1String(kObesity) ? QColor(192, 0, 0)
                                             : QColor(255, 0, 0);
    QCOMPARE(platform::ForeColor(Control(&form, "Label4")), expected);
    QCOMPARE(platform::BackColor(Control(&form, "Label49")), normal ? QColor(0, 128, 0) : QColor(192, 0, 0));
    QCOMPARE(platform::BackColor(Control(&form, "Label50")), normal ? QColor(0, 255, 0) : QColor(255, 0, 0));
    QCOMPARE(platform::BackColor(Control(&form, "Label51")),
        normal ? QColor(128, 255, 128) : QColor(255, 128, 128));
    // The limits stay in whole kilograms whatever the units.
    if (choices.contains("Option13") && !inches.isEmpty()) {
        QCOMPARE(TextOf(&form, "Text4"), QString("57"));
        QCOMPARE(TextOf(&form, "Text5"), QString("76"));
    }
}

void TestRecalculate::bmiExactlyThirtyKeepsPreviousCategory()
{
    // State: 110 kg, 200 cm shows overweight. Action: make it 120 kg (BMI exactly 30).
    // Expected: no category matches, so the message and bar colours stay, both pictures hide.
    Form1 form;
    Type(&form, "Text2", "200");
    Type(&form, "Text1", "110");
    QCOMPARE(CaptionOf(&form, "Label4"), QString(kOverweight));
    // Replace the weight in one change, so no pass sees a partial number.
    QTest::keyClick(Control(&form, "Text1"), Qt::Key_A, Qt::ControlModifier);
    Paste(&form, "Text1", "120");
    QCOMPARE(TextOf(&form, "Text3"), QString("30.0"));
    QCOMPARE(CaptionOf(&form, "Label4"), QString(kOverweight));
    QCOMPARE(platform::ForeColor(Control(&form, "Label4")), QColor(255, 0, 0));
    QCOMPARE(platform::BackColor(Control(&form, "Label50")), QColor(255, 0, 0));
    QVERIFY(!Control(&form, "Image1")->isVisibleTo(&form));
    QVERIFY(!Control(&form, "Image2")->isVisibleTo(&form));
    QCOMPARE(Control(&form, "Label49")->width(), platform::TwipsToPixels(5400));
}

void TestRecalculate::emptyHeightShowsReducedWeightAndFullScale()
{
    // State: a normal-weight result. Action: empty the height box.
    // Expected: no BMI, reduced weight with its warning, range 00 - 00, bars at full width.
    Form1 form;
    Type(&form, "Text2", "175");
    Type(&form, "Text1", "70");
    ClearBox(&form, "Text2");
    QCOMPARE(TextOf(&form, "Text3"), QString());
    QCOMPARE(CaptionOf(&form, "Label4"), QString(kReduced));
    QVERIFY(Control(&form, "Image1")->isVisibleTo(&form));
    QCOMPARE(TextOf(&form, "Text4"), QString("00"));
    QCOMPARE(CaptionOf(&form, "Label23"), QString("00 - 00"));
    for (const char *bar : { "Label49", "Label50", "Label51" })
        QCOMPARE(Control(&form, bar)->width(), platform::TwipsToPixels(7245));
}

void TestRecalculate::energyNeedsEveryChoice_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("bmr");
    QTest::addColumn<QString>("pal");
    QTest::newRow("no choice") << QStringList {} << ""
                               << "";
    QTest::newRow("sex and both activities, no age") << QStringList { "Option10", "Option5", "Option7" } << ""
                                                     << "1.5";
    QTest::newRow("age and sex, no activity") << QStringList { "Option1", "Option10" } << "1777"
                                              << "";
    QTest::newRow("age, sex, outside work only") << QStringList { "Option1", "Option10", "Option5" } << "1777"
                                                 << "";
}

void TestRecalculate::energyNeedsEveryChoice()
{
    // Without every choice DIT and TEE cannot be computed and show nothing.
    QFETCH(QStringList, choices);
    Form1 form;
    Type(&form, "Text2", "175");
    Type(&form, "Text1", "70");
    for (const QString &option : choices)
        ClickOption(&form, option.toLatin1().constData());
    QTEST(TextOf(&form, "Text6"), "bmr");
    QTEST(TextOf(&form, "Text7"), "pal");
    QCOMPARE(TextOf(&form, "Text8"), QString());
    QCOMPARE(TextOf(&form, "Text9"), QString());
}

void TestRecalculate::germanLocaleWritesAndReadsBackItsSeparators()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        Form1 form;
        for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
            ClickOption(&form, option);
        Type(&form, "Text2", "175");
        Type(&form, "Text1", "70");
        QCOMPARE(TextOf(&form, "Text3"), QString("22,9"));
        QCOMPARE(TextOf(&form, "Text7"), QString("1,5"));
        QCOMPARE(TextOf(&form, "Text9"), QString("2.933"));
        QCOMPARE(Control(&form, "Label49")->width(), platform::TwipsToPixels(3270));
    }
    QLocale::setDefault(QLocale::c());
}

void TestRecalculate::pastedTextIsReadLikeTheBoxesDo_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("bmi");
    QTest::newRow("decimal point") << "72.5"
                                   << "23.7";
    QTest::newRow("comma ends the number") << "72,5"
                                           << "23.5";
    QTest::newRow("blanks between digits") << "7 2"
                                           << "23.5";
    QTest::newRow("unit after the number") << "72kg"
                                           << "23.5";
    QTest::newRow("exponent") << "7.2e1"
                              << "23.5";
    QTest::newRow("hexadecimal") << "&H48"
                                 << "23.5";
    QTest::newRow("garbage") << QString::fromUtf8("ab\x01\xe2\x82\xac\t\n") << "0.0";
    QTest::newRow("negative") << "-70"
                              << "-22.9";
    QTest::newRow("300 digits") << QString(300, '9') << QString();
    QTest::newRow("400 digits, beyond a double") << QString(400, '9') << "0.0";
}

void TestRecalculate::pastedTextIsReadLikeTheBoxesDo()
{
    // Pasting is not filtered: whatever arrives is read from its front, and nothing breaks.
    QFETCH(QString, pasted);
    QFETCH(QString, bmi);
    Form1 form;
    Type(&form, "Text2", "175");
    Paste(&form, "Text1", pasted);
    QCOMPARE(TextOf(&form, "Text1"), pasted.left(32767));
    if (bmi.isEmpty())
        QVERIFY(TextOf(&form, "Text3").endsWith(".0")); // a huge but finite BMI is still written out
    else
        QCOMPARE(TextOf(&form, "Text3"), bmi);
    for (const char *bar : { "Label49", "Label50", "Label51" }) {
        const int width = Control(&form, bar)->width();
        QVERIFY(width >= 0 && width <= platform::TwipsToPixels(7245));
    }
}

SOMATRA_GUI_TEST_MAIN(TestRecalculate)
#include "tst_recalculate.moc"
