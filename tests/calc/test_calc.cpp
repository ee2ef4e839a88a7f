// The arithmetic against the worked examples and bounds of docs/calculation.md, exact to the last bit
// where the order of operations decides it, and the promise that every written number reads back.
#include <cmath>
#include <cstring>
#include <limits>

#include <QRandomGenerator>
#include <QTest>

#include "calc/calc.h"

using Number = std::optional<double>; // compared exactly, unlike doubles in QCOMPARE; nullopt is absent
using calc::AgeGroup;
using calc::BmiCategory;
using calc::Sex;
Q_DECLARE_METATYPE(Number)
Q_DECLARE_METATYPE(BmiCategory)

namespace QTest {
template <> inline char *toString(const Number &value)
{
    return qstrdup(value ? QByteArray::number(*value, 'g', 17).constData() : "absent");
}
} // namespace QTest

namespace {

const calc::NumberSeparators kLocales[] = { { ".", "," }, { ",", "." }, { ",", "\u202F" }, { ".", "'" } };

std::string Write(Number value, const char *pattern, int locale = 0)
{
    return *pattern ? calc::FormatWithPattern(value, pattern, kLocales[locale])
                    : calc::PlainNumberText(*value, kLocales[locale]);
}

} // namespace

class TestCalc : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Number>("value");
        const auto row = [](const std::string &text, Number value) {
            QTest::addRow("%s", text.substr(0, 30).c_str()) << QByteArray::fromStdString(text) << value;
        };
        for (const char *text : { "", "abc", "&X1" })
            row(text, 0.);
        row("175cm", 175.);
        row("1,80", 1.);
        row(" -1\n7\t5.5.5 ", -175.5);
        row("1.5E3", 1500.);
        row("25d-1", 2.5);
        row("&H1F", 31.);
        row("&HFFFF", -1.); // 16 and 32 bits are two's complement
        row("&H80000000", -2147483648.);
        row("-2e308", std::nullopt); // beyond a double: the statement fails
        row("9007199254740993.000000001", 9007199254740994.);
        row("9007199254740993" + std::string(800, '0') + "1e-801", 9007199254740994.);
    }
    void leadingNumber()
    {
        QFETCH(QByteArray, text);
        QTEST(calc::ParseLeadingNumber(text.toStdString()), "value");
    }

    void localeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("locale");
        QTest::addColumn<Number>("value");
        QTest::newRow("grouped") << " -1,234,567.5 " << 0 << Number(-1234567.5);
        QTest::newRow("decimal comma") << "1.234,5" << 1 << Number(1234.5);
        QTest::newRow("narrow space") << "1\u202F234,5" << 2 << Number(1234.5);
        for (const char *text : { "", "-", "1.5e3", "+5", "1,23", "1.", ".5", "1 234", "1,234.5x" })
            QTest::addRow("refuses \"%s\"", text) << QString::fromUtf8(text) << 0 << Number();
        QTest::newRow("refuses a point in a comma locale") << "22.9" << 1 << Number();
    }
    void localeNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, locale);
        QTEST(calc::ParseLocaleNumber(text.toStdString(), kLocales[locale]), "value");
    }

    void written_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const std::string &text, const char *expected) {
            QTest::addRow("%s", expected) << QString::fromStdString(text) << expected;
        };
        row(Write(22.857142857142858, "0.0"), "22.9");
        row(Write(22.857142857142858, "0.0", 1), "22,9");
        row(Write(11.25, "0.0"), "11.3");
        row(Write(56.65625, "0,0"), "57");
        row(Write(0., "0,0"), "00");
        row(Write(1234.5, "0,0"), "1,235");
        row(Write(-1234567.5, "0,0"), "-1,234,568");
        row(Write(1234.5, "0,0", 2), "1\u202F235");
        row(Write(0.49999999999999994, "0"), "1"); // 0.500000000000000 at 15 digits
        row(Write(999999999999999.5, "0"), "1000000000000000");
        // The nearer 15 digits, 1.79769313486232e308, are beyond every double.
        row(Write(-std::numeric_limits<double>::max(), "0").substr(0, 20), "-1797693134862310000");
        row(Write(std::nullopt, "0,0") + Write(qInf(), "0.0"), "");
        row(Write(22.857142857142858, ""), "22.8571428571429");
    }
    void written()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    // Every text the system writes reads back as the number it shows, in every locale.
    void writtenTextsReadBack()
    {
        QRandomGenerator random(20240611);
        for (int i = 0; i < 20000; ++i) {
            const quint64 bits = random.generate64();
            double value = double(qint64(bits % 2000000000) - 1000000000) / std::pow(10., random.bounded(8));
            if (i % 2 == 0)
                std::memcpy(&value, &bits, sizeof value);
            for (int locale = 0; locale < 4 && std::isfinite(value); ++locale) {
                for (const char *pattern : { "0.0", "0,0", "0", "" }) {
                    const std::string text = Write(value, pattern, locale);
                    const Number read = calc::ParseLocaleNumber(text, kLocales[locale]);
                    QVERIFY2(read && Write(read, pattern, locale) == text, text.c_str());
                }
            }
        }
    }

    void bodyMass_data()
    {
        QTest::addColumn<double>("weightKg");
        QTest::addColumn<double>("heightCm");
        QTest::addColumn<Number>("bmi");
        QTest::addColumn<BmiCategory>("category");
        QTest::addColumn<QString>("range"); // kg, then lbs
        QTest::addColumn<float>("barTwips");
        using C = BmiCategory;
        const auto row = [](const char *name, double w, double h, Number bmi, C category, const char *range,
                             float bar) { QTest::newRow(name) << w << h << bmi << category << range << bar; };
        row("70 kg, 175 cm", 70, 175, 22.857142857142858, C::NormalWeight, "57 - 76|126 - 167", 3270);
        row("74 kg, 200 cm", 74, 200, 18.5, C::NormalWeight, "74 - 100|163 - 220", 1950);
        row("120 kg, 200 cm", 120, 200, 30., C::Unclassified, "74 - 100|163 - 220", 5400);
        // (h / 100 x h) / 100 leaves this just below 25, where h x h / 10000 gives 25 itself.
        row("121 kg, 220 cm", 121, 220, 24.999999999999996, C::NormalWeight, "90 - 121|198 - 267", 3900);
        row("45 kg, 200 cm", 45, 200, 11.25, C::ReducedWeight, "74 - 100|163 - 220", 0);
        row("150 kg, 160 cm", 150, 160, 58.59375, C::Obesity, "47 - 64|104 - 141", 7245);
        row("70 kg, 0 cm", 70, 0, std::nullopt, C::ReducedWeight, "00 - 00|00 - 00", 7245);
        row("154 lbs, 5 ft 9 in", calc::LbsToKg(154), calc::FeetInchesToCm(5, 9), 22.762028300784181,
            C::NormalWeight, "57 - 76|126 - 167", 3240);
        row("5 ft, no inches", 0, calc::FeetInchesToCm(5, 0), 0., C::ReducedWeight, "43 - 58|95 - 128", 0);
    }
    void bodyMass()
    {
        QFETCH(double, weightKg);
        QFETCH(double, heightCm);
        const Number bmi = calc::BodyMassIndex({ weightKg, heightCm });
        QTEST(bmi, "bmi");
        QTEST(calc::ClassifyBmi(bmi), "category");
        const auto limits = calc::AppropriateWeightRange(heightCm);
        const std::string lower = Write(limits.lowerKg, "0,0"), upper = Write(limits.upperKg, "0,0");
        QTEST(QString::fromStdString(calc::RangeTextKg(lower, upper) + "|"
                  + calc::RangeTextLbs(lower, upper, kLocales[0]).value()),
            "range");
        const Number shown = calc::ParseLocaleNumber(Write(bmi, "0.0"), kLocales[0]);
        QTEST(shown ? calc::ScaleBarWidth(*shown) : calc::kScaleFullWidth, "barTwips");
    }

    void boundsUseTheExactBmi()
    {
        for (const auto &[bmi, category] :
            { std::pair { std::nextafter(18.5, 0.), BmiCategory::ReducedWeight },
                { 24.96, BmiCategory::NormalWeight }, { std::nextafter(25., 26.), BmiCategory::Overweight },
                { 29.96, BmiCategory::Overweight }, { std::nextafter(30., 31.), BmiCategory::Obesity } })
            QCOMPARE(calc::ClassifyBmi(bmi), category);
        QCOMPARE(calc::ScaleBarWidth(36), 7200.f);
        QCOMPARE(calc::ScaleBarWidth(36.1), 7245.f);
        // (factor x m) x m, with m = height / 100; factor x m^2 ends a bit lower.
        QCOMPARE(Number(calc::AppropriateWeightRange(102).lowerKg), 19.247400000000003);
        QCOMPARE(calc::RangeTextLbs("57", "76 kg", {}), std::nullopt);
    }

    // BMR, PAL, DIT and TEE as the boxes show them: each step reads the previous step's rounded text.
    void energy_data()
    {
        QTest::addColumn<Number>("bmr");
        QTest::addColumn<QString>("texts"); // BMR, PAL, DIT and TEE; "1,5" for the PAL: a comma locale
        const auto row
            = [](const char *who, Number bmr, const char *texts) { QTest::newRow(who) << bmr << texts; };
        row("man 18-29 70 175 Moderate Weak", 1776.77, "1777 1.5 267 2,933");
        row("man 18-29 70 175 Moderate Weak", 1776.77, "1777 1,5 267 2.933");
        row("woman 18-29 60 165 Weak Weak", 1382.1499999999999, "1382 1.4 193 2,128");
        row("man 30-59 70 175 High High", 1684.5007500000002, "1685 1.9 320 3,522");
        row("man 18-29 400 200 High High", 6749.08, "6749 1.9 1,282 14,105");
        row("man 18-29 0 175 Weak Weak", 722.57, "723 1.4 101 1,113");
        row("woman 60+ 0 0 High High", 596., "596 1.8 107 1,180");
        row("man 60+ 80 1e308 Weak Moderate", 1567., "1567 1.6 251 2,758");
        row("man 18-29 0 0 High Weak", 705., "705 1.6 113 1,241");
        // Left to right the sums land just below the half; other orders give other last bits.
        row("man 18-29 35 131 Weak Weak", 1245.2523999999999, "1245 1.4 174 1,917");
        row("woman 18-29 23 133 Weak Weak", 787.64999999999998, "788 1.4 110 1,213");
        row("man 18-29 69.916 175.26 Weak Weak", 1775.531064, "1776 1.4 249 2,735"); // 154 lbs, 5 ft 9 in
        row("woman 18-29 1e308 0 Weak Weak", std::nullopt, " 1.4  ");
    }
    void energy()
    {
        QFETCH(QString, texts);
        const QStringList who = QString::fromLatin1(QTest::currentDataTag()).split(QLatin1Char(' '));
        const auto age = who[1] == "18-29" ? AgeGroup::Age18To29
            : who[1] == "30-59"            ? AgeGroup::Age30To59
                                           : AgeGroup::Age60AndOver;
        const int locale = texts.contains(QLatin1String(" 1,5 ")) ? 1 : 0;
        const auto read
            = [&](const std::string &text) { return calc::ParseLocaleNumber(text, kLocales[locale]); };
        const Number bmr = calc::BasalMetabolicRate(
            age, who[0] == "man" ? Sex::Male : Sex::Female, { who[2].toDouble(), who[3].toDouble() });
        QTEST(bmr, "bmr");
        const std::string bmrText = Write(bmr, "0", locale);
        const std::string palText = Write(calc::PhysicalActivityLevel(who[0] == "man" ? "Male" : "Female",
                                              who[4].toStdString(), who[5].toStdString()),
            "", locale);
        Number dit, tee;
        if (read(bmrText))
            dit = calc::DietInducedThermogenesis(*read(bmrText), *read(palText));
        const std::string ditText = Write(dit, "0,0", locale);
        if (read(bmrText) && read(ditText))
            tee = calc::TotalEnergyExpenditure(*read(bmrText), *read(palText), *read(ditText));
        QCOMPARE(
            QString::fromStdString(bmrText + " " + palText + " " + ditText + " " + Write(tee, "0,0", locale)),
            texts);
    }

    void activityNeedsThreeExactTexts()
    {
        QCOMPARE(calc::PhysicalActivityLevel("Male", "Weak", "High"), 1.7);
        QCOMPARE(calc::PhysicalActivityLevel("Male", "High", "Moderate"), 1.8);
        QCOMPARE(calc::PhysicalActivityLevel("Female", "Moderate", "Moderate"), 1.6);
        for (const auto &[sex, outside, work] : { std::tuple { "", "Weak", "Weak" }, { "Male", "Weak", "" },
                 { "male", "Weak", "Weak" }, { "Female", "High ", "Weak" } })
            QCOMPARE(calc::PhysicalActivityLevel(sex, outside, work), std::nullopt);
        // (bmr x 0.1) x pal; bmr x (0.1 x pal) or bmr x pal / 10 give 24.499999999999996.
        QCOMPARE(Number(calc::DietInducedThermogenesis(175, 1.4)), 24.5);
        QCOMPARE(Number(calc::FeetInchesToCm(5, 9)), 175.25999999999999);
        QCOMPARE(Number(calc::KgToLbs(57)), 125.55066079295153);
    }
};

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calc.moc"
