// Body mass index, category bounds, weight range texts and the scale indicator.
#include <cmath>

#include <QTest>

#include "calc/calc.h"
#include "exact.h"

using calc::BmiCategory;
Q_DECLARE_METATYPE(BmiCategory)

class TestBodyMass : public QObject
{
    Q_OBJECT
private slots:
    void results_data()
    {
        QTest::addColumn<double>("weightKg");
        QTest::addColumn<double>("heightCm");
        QTest::addColumn<double>("bmi"); // NaN: absent
        QTest::addColumn<QString>("shown");
        QTest::addColumn<BmiCategory>("category");
        QTest::addColumn<QString>("range");
        const auto row
            = [](const char *name, double w, double h, double bmi, QString shown, BmiCategory category,
                  QString range) { QTest::newRow(name) << w << h << bmi << shown << category << range; };
        using C = BmiCategory;
        row("70 kg, 175 cm", 70, 175, 22.857142857142858, "22.9", C::NormalWeight, "57 - 76");
        row("74 kg, 200 cm is 18.5", 74, 200, 18.5, "18.5", C::NormalWeight, "74 - 100");
        row("100 kg, 200 cm is 25", 100, 200, 25, "25.0", C::NormalWeight, "74 - 100");
        row("120 kg, 200 cm is 30", 120, 200, 30, "30.0", C::Unclassified, "74 - 100");
        // (h / 100 x h) / 100 leaves this one a bit below 25, where h x h / 10000 would give 25 itself.
        row("121 kg, 220 cm", 121, 220, 24.999999999999996, "25.0", C::NormalWeight, "90 - 121");
        row("45 kg, 200 cm", 45, 200, 11.25, "11.3", C::ReducedWeight, "74 - 100");
        row("150 kg, 160 cm", 150, 160, 58.59375, "58.6", C::Obesity, "47 - 64");
        row("0 kg, 175 cm", 0, 175, 0, "0.0", C::ReducedWeight, "57 - 76");
        row("70 kg, 0 cm is absent", 70, 0, qQNaN(), "", C::ReducedWeight, "00 - 00");
        row("154 lbs, 5 ft 9 in", calc::LbsToKg(154), calc::FeetInchesToCm(5, 9), 22.762028300784181, "22.8",
            C::NormalWeight, "57 - 76");
        row("height overflows", 70, 1e300, qQNaN(), "", C::ReducedWeight, "");
    }
    void results()
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
        const auto limits = calc::AppropriateWeightRange(heightCm);
        if (!range.isEmpty())
            QCOMPARE(QString::fromStdString(
                         calc::RangeTextKg(calc::FormatWithPattern(limits.lowerKg, "0,0", separators),
                             calc::FormatWithPattern(limits.upperKg, "0,0", separators))),
                range);
    }

    void categoryBounds()
    {
        const auto check = [](double bmi, const char *shown, BmiCategory category) {
            QCOMPARE(calc::ClassifyBmi(bmi), category);
            QCOMPARE(calc::FormatWithPattern(bmi, "0.0", {}), shown);
        };
        check(std::nextafter(18.5, 0.), "18.5", BmiCategory::ReducedWeight);
        check(24.96, "25.0", BmiCategory::NormalWeight);
        check(std::nextafter(25., 26.), "25.0", BmiCategory::Overweight);
        check(25.04, "25.0", BmiCategory::Overweight);
        check(29.96, "30.0", BmiCategory::Overweight);
        check(std::nextafter(30., 31.), "30.0", BmiCategory::Obesity);
        check(30.04, "30.0", BmiCategory::Obesity);
        QCOMPARE(calc::ClassifyBmi(std::nullopt), BmiCategory::ReducedWeight);
    }

    void scaleWidth()
    {
        QCOMPARE(calc::ScaleBarWidth(22.9), 3270.f);
        QCOMPARE(calc::ScaleBarWidth(18.5), 1950.f);
        QCOMPARE(calc::ScaleBarWidth(12), 0.f);
        QCOMPARE(calc::ScaleBarWidth(11.3), 0.f);
        QCOMPARE(calc::ScaleBarWidth(36), 7200.f);
        QCOMPARE(calc::ScaleBarWidth(36.1), 7245.f); // not 7230: past 36 the full width
    }

    void rangeLimitsOrder()
    {
        // (factor x m) x m, with m = height / 100; factor x m^2 would end a bit lower for this height.
        const auto limits = calc::AppropriateWeightRange(102);
        QCOMPARE(OptionalDouble(limits.lowerKg), 19.247400000000003);
        QCOMPARE(OptionalDouble(limits.upperKg), 25.90596);
    }

    void poundsRange()
    {
        // From the rounded kilograms: 57 and 76 kg, whatever the exact limits were.
        QCOMPARE(calc::RangeTextLbs("57", "76", {}), "126 - 167");
        QCOMPARE(calc::RangeTextLbs("00", "00", {}), "00 - 00");
        QCOMPARE(calc::RangeTextLbs("1.000", "2.000", { ",", "." }), "2.203 - 4.405");
        QCOMPARE(calc::RangeTextLbs("", "76", {}), std::nullopt);
        QCOMPARE(calc::RangeTextLbs("57", "76 kg", {}), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestBodyMass)
#include "test_bodymass.moc"
