// Basal metabolic rate, activity level and the text chain BMR -> DIT -> TEE, where each step reads the
// previous step's rounded text.
#include <QTest>

#include "calc/calc.h"
#include "exact.h"

using calc::AgeGroup;
using calc::Sex;
Q_DECLARE_METATYPE(AgeGroup)
Q_DECLARE_METATYPE(Sex)

class TestEnergy : public QObject
{
    Q_OBJECT
private slots:
    void basalMetabolicRate_data()
    {
        QTest::addColumn<AgeGroup>("age");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<double>("weightKg");
        QTest::addColumn<double>("heightCm");
        QTest::addColumn<double>("bmr");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, AgeGroup age, Sex sex, double w, double h, double bmr,
                             QString text) { QTest::newRow(name) << age << sex << w << h << bmr << text; };
        const auto young = AgeGroup::Age18To29, middle = AgeGroup::Age30To59, old = AgeGroup::Age60AndOver;
        const auto man = Sex::Male, woman = Sex::Female;
        row("empty, man 18-29", young, man, 0, 0, 705, "705");
        row("empty, man 30-59", middle, man, 0, 0, 877, "877");
        row("empty, man 60+", old, man, 0, 0, 487, "487");
        row("empty, woman 18-29", young, woman, 0, 0, 98, "98");
        row("empty, woman 30-59", middle, woman, 0, 0, 843, "843");
        row("empty, woman 60+", old, woman, 0, 0, 596, "596");
        row("man 18-29, 70 kg, 175 cm", young, man, 70, 175, 1776.77, "1777");
        row("man 30-59, 70 kg, 175 cm", middle, man, 70, 175, 1684.5007500000002, "1685");
        // Left to right the sum lands just below the half; other orders give other last bits.
        row("woman 18-29, 60 kg, 165 cm", young, woman, 60, 165, 1382.1499999999999, "1382");
        row("man 18-29, 35 kg, 131 cm", young, man, 35, 131, 1245.2523999999999, "1245");
        row("woman 18-29, 23 kg, 133 cm", young, woman, 23, 133, 787.64999999999998, "788");
        row("man 60+, 80 kg, any height", old, man, 80, 1e308, 1567, "1567");
        row("woman 60+, 80 kg, any height", old, woman, 80, 123, 1436, "1436");
        row("154 lbs, 5 ft 9 in, man 18-29", young, man, calc::LbsToKg(154), calc::FeetInchesToCm(5, 9),
            1775.531064, "1776");
        row("overflowing weight", young, woman, 1e308, 0, qQNaN(), "");
    }
    void basalMetabolicRate()
    {
        QFETCH(AgeGroup, age);
        QFETCH(Sex, sex);
        QFETCH(double, weightKg);
        QFETCH(double, heightCm);
        QFETCH(double, bmr);
        QFETCH(QString, text);
        const auto computed = calc::BasalMetabolicRate(age, sex, { weightKg, heightCm });
        QCOMPARE(computed, Expected(bmr));
        QCOMPARE(QString::fromStdString(calc::FormatWithPattern(computed, "0", {})), text);
    }

    void activityLevel()
    {
        const char *levels[] = { "Weak", "Moderate", "High" };
        const double male[3][3] = { { 1.4, 1.6, 1.7 }, { 1.5, 1.7, 1.8 }, { 1.6, 1.8, 1.9 } };
        const double female[3][3] = { { 1.4, 1.5, 1.6 }, { 1.5, 1.6, 1.7 }, { 1.6, 1.7, 1.8 } };
        for (int outside = 0; outside < 3; ++outside) {
            for (int work = 0; work < 3; ++work) {
                QCOMPARE(
                    calc::PhysicalActivityLevel("Male", levels[outside], levels[work]), male[outside][work]);
                QCOMPARE(calc::PhysicalActivityLevel("Female", levels[outside], levels[work]),
                    female[outside][work]);
            }
        }
        QCOMPARE(calc::PhysicalActivityLevel("", "Weak", "Weak"), std::nullopt);
        QCOMPARE(calc::PhysicalActivityLevel("Male", "Weak", ""), std::nullopt);
        QCOMPARE(calc::PhysicalActivityLevel("male", "Weak", "Weak"), std::nullopt);
        QCOMPARE(calc::PhysicalActivityLevel("Female", "High ", "Weak"), std::nullopt);
    }

    void energyChain_data()
    {
        QTest::addColumn<double>("bmr");
        QTest::addColumn<double>("pal");
        QTest::addColumn<int>("locale");
        QTest::addColumn<QStringList>("texts"); // BMR, PAL, DIT, TEE as written
        const auto row = [](const char *name, double bmr, double pal, QStringList texts, int locale = 0) {
            QTest::newRow(name) << bmr << pal << locale << texts;
        };
        row("man 18-29, 70 kg, 175 cm, Moderate/Weak", 1776.77, 1.5, { "1777", "1.5", "267", "2,933" });
        row("woman 18-29, 60 kg, 165 cm, Weak/Weak", 1382.1499999999999, 1.4,
            { "1382", "1.4", "193", "2,128" });
        row("man 30-59, 70 kg, 175 cm, High/High", 1684.5007500000002, 1.9,
            { "1685", "1.9", "320", "3,522" });
        row("man 18-29, 400 kg, 200 cm, High/High", 6749.08, 1.9, { "6749", "1.9", "1,282", "14,105" });
        row("same in a comma locale", 6749.08, 1.9, { "6749", "1,9", "1.282", "14.105" }, 1);
        row("empty boxes, man 18-29, Weak/Weak", 705, 1.4, { "705", "1.4", "99", "1,086" });
        row("empty boxes, woman 18-29, Weak/Weak", 98, 1.4, { "98", "1.4", "14", "151" });
    }
    void energyChain()
    {
        QFETCH(double, bmr);
        QFETCH(double, pal);
        QFETCH(int, locale);
        QFETCH(QStringList, texts);
        const calc::NumberSeparators separators
            = locale ? calc::NumberSeparators { ",", "." } : calc::NumberSeparators {};
        const auto read
            = [&](const std::string &text) { return calc::ParseLocaleNumber(text, separators).value(); };
        const std::string bmrText = calc::FormatWithPattern(bmr, "0", separators);
        const std::string palText = calc::PlainNumberText(pal, separators);
        const double dit = calc::DietInducedThermogenesis(read(bmrText), read(palText));
        const std::string ditText = calc::FormatWithPattern(dit, "0,0", separators);
        const double tee = calc::TotalEnergyExpenditure(read(bmrText), read(palText), read(ditText));
        const std::string teeText = calc::FormatWithPattern(tee, "0,0", separators);
        QCOMPARE(QStringList({ bmrText.c_str(), palText.c_str(), ditText.c_str(), teeText.c_str() }), texts);
    }

    void thermogenesisOrder()
    {
        // (bmr x 0.1) x pal; bmr x (0.1 x pal) or bmr x pal / 10 would give 24.499999999999996.
        QCOMPARE(OptionalDouble(calc::DietInducedThermogenesis(175, 1.4)), 24.5);
    }
};

QTEST_APPLESS_MAIN(TestEnergy)
#include "test_energy.moc"
