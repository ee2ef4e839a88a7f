// Body mass index, category bounds, weight range texts and the scale indicator.
#include <cmath>

#include <QTest>

#include "calc/calc.h"
#include "exact.h"

using calc::BmiCategory;
Q_DECLARE_METATYPE(calc::BmiCategory)

class TestBodyMass : public QObject
{
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void categoryBounds_data();
    void categoryBounds();
    void scaleWidth_data();
    void scaleWidth();
    void poundsRange();
    void rangeLimitsOrder();
};

void TestBodyMass::results_data()
{
    QTest::addColumn<double>("weightKg");
    QTest::addColumn<double>("heightCm");
    QTest::addColumn<double>("bmi"); // NaN: absent
    QTest::addColumn<QString>("shown");
    QTest::addColumn<BmiCategory>("category");
    QTest::addColumn<QString>("range");
    QTest::newRow("70 kg, 175 cm") << 70. << 175. << 22.857142857142858 << "22.9" << BmiCategory::NormalWeight
                                   << "57 - 76";
    QTest::newRow("74 kg, 200 cm is 18.5")
        << 74. << 200. << 18.5 << "18.5" << BmiCategory::NormalWeight << "74 - 100";
    QTest::newRow("100 kg, 200 cm is 25")
        << 100. << 200. << 25. << "25.0" << BmiCategory::NormalWeight << "74 - 100";
    QTest::newRow("120 kg, 200 cm is 30")
        << 120. << 200. << 30. << "30.0" << BmiCategory::Unclassified << "74 - 100";
    // (h / 100 * h) / 100 leaves this one a bit below 25, where h * h / 10000 would give 25 itself.
    QTest::newRow("121 kg, 220 cm") << 121. << 220. << 24.999999999999996 << "25.0"
                                    << BmiCategory::NormalWeight << "90 - 121";
    QTest::newRow("45 kg, 200 cm") << 45. << 200. << 11.25 << "11.3" << BmiCategory::ReducedWeight
                                   << "74 - 100";
    QTest::newRow("150 kg, 160 cm") << 150. << 160. << 58.59375 << "58.6" << BmiCategory::Obesity
                                    << "47 - 64";
    QTest::newRow("0 kg, 175 cm") << 0. << 175. << 0. << "0.0" << BmiCategory::ReducedWeight << "57 - 76";
    QTest::newRow("70 kg, 0 cm is absent")
        << 70. << 0. << qQNaN() << "" << BmiCategory::ReducedWeight << "00 - 00";
    QTest::newRow("0 kg, 0 cm is absent")
        << 0. << 0. << qQNaN() << "" << BmiCategory::ReducedWeight << "00 - 00";
    QTest::newRow("154 lbs, 5 ft 9 in")
        << calc::LbsToKg(154) << calc::FeetInchesToCm(5, 9) << 22.762028300784181 << "22.8"
        << BmiCategory::NormalWeight << "57 - 76";
    QTest::newRow("height overflows") << 70. << 1e300 << qQNaN() << "" << BmiCategory::ReducedWeight << "";
}

void TestBodyMass::results()
{
    QFETCH(double, weightKg);
    QFETCH(double, heightCm);
    QFETCH(double, bmi);
    QFETCH(QString, shown);
    QFETCH(BmiCategory, category);
    QFETCH(QString, range);
    const calc::NumberSeparators separators;
    const auto computed = calc::BodyMassIndex({ weightKg, heightCm });
    QCOMPARE(computed, Expected(bmi)); // the category bounds depend on the last bit
    QCOMPARE(QString::fromStdString(calc::FormatWithPattern(computed, "0.0", separators)), shown);
    QCOMPARE(calc::ClassifyBmi(computed), category);
    if (!range.isEmpty()) {
        const auto limits = calc::AppropriateWeightRange(heightCm);
        QCOMPARE(QString::fromStdString(
                     calc::RangeTextKg(calc::FormatWithPattern(limits.lowerKg, "0,0", separators),
                         calc::FormatWithPattern(limits.upperKg, "0,0", separators))),
            range);
    }
}

void TestBodyMass::categoryBounds_data()
{
    QTest::addColumn<double>("bmi");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<BmiCategory>("category");
    QTest::newRow("just below 18.5") << std::nextafter(18.5, 0.) << "18.5" << BmiCategory::ReducedWeight;
    QTest::newRow("24.96") << 24.96 << "25.0" << BmiCategory::NormalWeight;
    QTest::newRow("just above 25") << std::nextafter(25., 26.) << "25.0" << BmiCategory::Overweight;
    QTest::newRow("25.04") << 25.04 << "25.0" << BmiCategory::Overweight;
    QTest::newRow("29.96") << 29.96 << "30.0" << BmiCategory::Overweight;
    QTest::newRow("just above 30") << std::nextafter(30., 31.) << "30.0" << BmiCategory::Obesity;
    QTest::newRow("30.04") << 30.04 << "30.0" << BmiCategory::Obesity;
    QTest::newRow("negative") << -1. << "-1.0" << BmiCategory::ReducedWeight;
}

void TestBodyMass::categoryBounds()
{
    QFETCH(double, bmi);
    QFETCH(QString, shown);
    QFETCH(BmiCategory, category);
    QCOMPARE(calc::ClassifyBmi(bmi), category);
    QCOMPARE(QString::fromStdString(calc::FormatWithPattern(bmi, "0.0", {})), shown);
}

void TestBodyMass::scaleWidth_data()
{
    QTest::addColumn<double>("shownBmi");
    QTest::addColumn<float>("width");
    QTest::newRow("22.9") << 22.9 << 3270.f;
    QTest::newRow("18.5") << 18.5 << 1950.f;
    QTest::newRow("origin 12") << 12. << 0.f;
    QTest::newRow("below origin") << 11.3 << 0.f;
    QTest::newRow("36 stays on the scale") << 36. << 7200.f;
    QTest::newRow("36.1 takes the full width") << 36.1 << 7245.f;
    QTest::newRow("58.6") << 58.6 << 7245.f;
}

void TestBodyMass::scaleWidth()
{
    QFETCH(double, shownBmi);
    QFETCH(float, width);
    QCOMPARE(calc::ScaleBarWidth(shownBmi), width);
}

void TestBodyMass::poundsRange()
{
    // From the rounded kilograms: 57 and 76 kg, whatever the exact limits were.
    QCOMPARE(calc::RangeTextLbs("57", "76", {}).value_or("fail"), "126 - 167");
    QCOMPARE(calc::RangeTextLbs("00", "00", {}).value_or("fail"), "00 - 00");
    QCOMPARE(calc::RangeTextLbs("1.000", "2.000", { ",", "." }).value_or("fail"), "2.203 - 4.405");
    QVERIFY(!calc::RangeTextLbs("", "76", {}));
    QVERIFY(!calc::RangeTextLbs("57", "76 kg", {}));
}

void TestBodyMass::rangeLimitsOrder()
{
    // (factor x m) x m, with m = height / 100; factor x m^2 would end a bit lower for this height.
    const auto limits = calc::AppropriateWeightRange(102);
    QCOMPARE(OptionalDouble(limits.lowerKg), 19.247400000000003);
    QCOMPARE(OptionalDouble(limits.upperKg), 25.90596);
}

QTEST_APPLESS_MAIN(TestBodyMass)
#include "test_bodymass.moc"
