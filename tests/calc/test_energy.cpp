// Basal metabolic rate, activity level and the text chain BMR -> DIT -> TEE, where each step reads the
// previous step's rounded text.
#include <QTest>

#include "calc/calc.h"
#include "exact.h"

using calc::AgeGroup;
using calc::Sex;
Q_DECLARE_METATYPE(calc::AgeGroup)
Q_DECLARE_METATYPE(calc::Sex)

class TestEnergy : public QObject
{
    Q_OBJECT
private slots:
    void basalMetabolicRate_data();
    void basalMetabolicRate();
    void activityLevel_data();
    void activityLevel();
    void energyChain_data();
    void energyChain();
    void thermogenesisOrder();
};

void TestEnergy::basalMetabolicRate_data()
{
    QTest::addColumn<AgeGroup>("age");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<double>("weightKg");
    QTest::addColumn<double>("heightCm");
    QTest::addColumn<double>("bmr");
    QTest::addColumn<QString>("text");
    const auto young = AgeGroup::Age18To29, middle = AgeGroup::Age30To59, old = AgeGroup::Age60AndOver;
    QTest::newRow("empty, man 18-29") << young << Sex::Male << 0. << 0. << 705. << "705";
    QTest::newRow("empty, man 30-59") << middle << Sex::Male << 0. << 0. << 877. << "877";
    QTest::newRow("empty, man 60+") << old << Sex::Male << 0. << 0. << 487. << "487";
    QTest::newRow("empty, woman 18-29") << young << Sex::Female << 0. << 0. << 98. << "98";
    QTest::newRow("empty, woman 30-59") << middle << Sex::Female << 0. << 0. << 843. << "843";
    QTest::newRow("empty, woman 60+") << old << Sex::Female << 0. << 0. << 596. << "596";
    QTest::newRow("man 18-29, 70 kg, 175 cm") << young << Sex::Male << 70. << 175. << 1776.77 << "1777";
    QTest::newRow("man 30-59, 70 kg, 175 cm")
        << middle << Sex::Male << 70. << 175. << 1684.5007500000002 << "1685";
    // In this order of operations the sum lands just below the half.
    QTest::newRow("woman 18-29, 60 kg, 165 cm")
        << young << Sex::Female << 60. << 165. << 1382.1499999999999 << "1382";
    QTest::newRow("man 18-29, 35 kg, 131 cm")
        << young << Sex::Male << 35. << 131. << 1245.2523999999999 << "1245";
    QTest::newRow("woman 18-29, 23 kg, 133 cm")
        << young << Sex::Female << 23. << 133. << 787.64999999999998 << "788";
    QTest::newRow("man 60+, 80 kg, any height") << old << Sex::Male << 80. << 1e308 << 1567. << "1567";
    QTest::newRow("woman 60+, 80 kg, any height") << old << Sex::Female << 80. << 123. << 1436. << "1436";
    QTest::newRow("154 lbs, 5 ft 9 in, man 18-29")
        << young << Sex::Male << calc::LbsToKg(154) << calc::FeetInchesToCm(5, 9) << 1775.531064 << "1776";
    QTest::newRow("overflowing weight") << young << Sex::Female << 1e308 << 0. << qQNaN() << "";
}

void TestEnergy::basalMetabolicRate()
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

void TestEnergy::activityLevel_data()
{
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("outside");
    QTest::addColumn<QString>("atWork");
    QTest::addColumn<double>("pal"); // NaN: no level
    const QString levels[] = { "Weak", "Moderate", "High" };
    const double male[3][3] = { { 1.4, 1.6, 1.7 }, { 1.5, 1.7, 1.8 }, { 1.6, 1.8, 1.9 } };
    const double female[3][3] = { { 1.4, 1.5, 1.6 }, { 1.5, 1.6, 1.7 }, { 1.6, 1.7, 1.8 } };
    for (int outside = 0; outside < 3; ++outside) {
        for (int work = 0; work < 3; ++work) {
            QTest::addRow(
                "Male, %s outside, %s at work", qPrintable(levels[outside]), qPrintable(levels[work]))
                << "Male" << levels[outside] << levels[work] << male[outside][work];
            QTest::addRow(
                "Female, %s outside, %s at work", qPrintable(levels[outside]), qPrintable(levels[work]))
                << "Female" << levels[outside] << levels[work] << female[outside][work];
        }
    }
    QTest::newRow("no sex yet") << ""
                                << "Weak"
                                << "Weak" << qQNaN();
    QTest::newRow("no intensity yet") << "Male"
                                      << "Weak"
                                      << "" << qQNaN();
    QTest::newRow("letter case counts") << "male"
                                        << "Weak"
                                        << "Weak" << qQNaN();
    QTest::newRow("whole text only") << "Female"
                                     << "High "
                                     << "Weak" << qQNaN();
}

void TestEnergy::activityLevel()
{
    QFETCH(QString, sex);
    QFETCH(QString, outside);
    QFETCH(QString, atWork);
    QFETCH(double, pal);
    const auto level
        = calc::PhysicalActivityLevel(sex.toStdString(), outside.toStdString(), atWork.toStdString());
    QCOMPARE(level, Expected(pal));
}

void TestEnergy::energyChain_data()
{
    QTest::addColumn<double>("bmr");
    QTest::addColumn<double>("pal");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("texts"); // BMR, PAL, DIT, TEE as written
    QTest::newRow("man 18-29, 70 kg, 175 cm, Moderate/Weak")
        << 1776.77 << 1.5 << "."
        << "," << QStringList { "1777", "1.5", "267", "2,933" };
    QTest::newRow("woman 18-29, 60 kg, 165 cm, Weak/Weak")
        << 1382.1499999999999 << 1.4 << "."
        << "," << QStringList { "1382", "1.4", "193", "2,128" };
    QTest::newRow("man 30-59, 70 kg, 175 cm, High/High")
        << 1684.5007500000002 << 1.9 << "."
        << "," << QStringList { "1685", "1.9", "320", "3,522" };
    QTest::newRow("man 18-29, 400 kg, 200 cm, High/High")
        << 6749.08 << 1.9 << "."
        << "," << QStringList { "6749", "1.9", "1,282", "14,105" };
    QTest::newRow("same in a comma locale") << 6749.08 << 1.9 << ","
                                            << "." << QStringList { "6749", "1,9", "1.282", "14.105" };
    QTest::newRow("same with narrow spaces")
        << 6749.08 << 1.9 << ","
        << "\u202F" << QStringList { "6749", "1,9", "1\u202F282", "14\u202F105" };
    QTest::newRow("empty boxes, man 18-29, Weak/Weak") << 705. << 1.4 << "."
                                                       << "," << QStringList { "705", "1.4", "99", "1,086" };
    QTest::newRow("empty boxes, woman 18-29, Weak/Weak") << 98. << 1.4 << "."
                                                         << "," << QStringList { "98", "1.4", "14", "151" };
    QTest::newRow("154 lbs, 5 ft 9 in, man 18-29, Weak/Weak")
        << 1775.531064 << 1.4 << "."
        << "," << QStringList { "1776", "1.4", "249", "2,735" };
}

void TestEnergy::energyChain()
{
    QFETCH(double, bmr);
    QFETCH(double, pal);
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    QFETCH(QStringList, texts);
    const calc::NumberSeparators separators { decimal.toStdString(), group.toStdString() };
    const auto read = [&](const std::string &text) {
        const auto value = calc::ParseLocaleNumber(text, separators);
        if (!value)
            qFatal("result text does not read back: %s", text.c_str());
        return *value;
    };
    const std::string bmrText = calc::FormatWithPattern(bmr, "0", separators);
    const std::string palText = calc::PlainNumberText(pal, separators);
    const std::string ditText = calc::FormatWithPattern(
        calc::DietInducedThermogenesis(read(bmrText), read(palText)), "0,0", separators);
    const std::string teeText = calc::FormatWithPattern(
        calc::TotalEnergyExpenditure(read(bmrText), read(palText), read(ditText)), "0,0", separators);
    QCOMPARE(QStringList({ QString::fromStdString(bmrText), QString::fromStdString(palText),
                 QString::fromStdString(ditText), QString::fromStdString(teeText) }),
        texts);
}

void TestEnergy::thermogenesisOrder()
{
    // (bmr x 0.1) x pal; bmr x (0.1 x pal) or bmr x pal / 10 would give 24.499999999999996.
    QCOMPARE(OptionalDouble(calc::DietInducedThermogenesis(175, 1.4)), 24.5);
}

QTEST_APPLESS_MAIN(TestEnergy)
#include "test_energy.moc"
