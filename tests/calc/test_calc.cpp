// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// The arithmetic against the worked examples and bounds of docs/calculation.md, exact to the last bit
// where the order of operations decides it, and the promise that every written number reads back.
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include "calc/calc.h"

using Number = std::optional<double>; // compared exactly, unlike doubles in QCOMPARE; nullopt is absent
using calc::BmiCategory;
Q_DECLARE_METATYPE(Number)
Q_DECLARE_METATYPE(BmiCategory)
Q_DECLARE_METATYPE(calc::Sex)
Q_DECLARE_METATYPE(calc::AgeGroup)
Q_DECLARE_METATYPE(calc::Intensity)

namespace {

const calc::NumberSeparators kLocales[] = { { ".", "," }, { ",", "." }, { ",", "\u202F" }, { ".", "'" } };

// "0.0", "0,0" and "0" name the patterns; "" the plain form.
std::string Write(Number value, const char *pattern, int locale = 0)
{
    if (!*pattern)
        return calc::PlainNumberText(*value, kLocales[locale]);
    const calc::Pattern named = !std::strcmp(pattern, "0.0") ? calc::Pattern::OneDecimal
        : !std::strcmp(pattern, "0,0")                       ? calc::Pattern::WholeGrouped
                                                             : calc::Pattern::Whole;
    return calc::FormatWithPattern(value, named, kLocales[locale]);
}

// The rows of the tables under a heading of docs/calculation.md, as their cells.
QList<QStringList> DocumentTable(const QString &heading)
{
    QFile file(QStringLiteral(SOMATRA_DOCS "/calculation.md"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the calculation document");
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> rows;
    for (const QString &line : text.mid(text.indexOf(heading)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## ")) && !line.contains(heading))
            break;
        if (line.startsWith(QLatin1Char('|')) && !line.startsWith(QLatin1String("|---")))
            rows.append(line.split(QLatin1Char('|'), Qt::SkipEmptyParts)
                            .replaceInStrings(QRegularExpression(QStringLiteral("^\\s+|\\s+$")), QString()));
    }
    return rows;
}

} // namespace

class TestCalc : public QObject
{
    Q_OBJECT
private slots:
    // The lenient reader of the inputs (locale -1) and the strict reader of result texts.
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("locale");
        QTest::addColumn<Number>("value");
        const auto row = [](const std::string &text, int locale, Number value) {
            QTest::addRow("%s in %d", text.substr(0, 30).c_str(), locale)
                << QString::fromStdString(text) << locale << value;
        };
        for (const char *text : { "", "abc", "&X1" })
            row(text, -1, 0.);
        row("175cm", -1, 175.);
        row("1,80", -1, 1.);
        row(" -1\n7\t5.5.5 ", -1, -175.5);
        row("&HFFFF", -1, -1.); // 16 and 32 bits are two's complement
        row("&H100000000", -1, 4294967296.); // past 32 bits, a plain whole number
        row("&HFFFFFFFFFFFFFFFFF", -1, 295147905179352825856.); // 68 bits, rounded to a double
        row("-2e308", -1, std::nullopt); // beyond a double: the statement fails
        // Just above the half between 1 and the next double: only the 54th digit says so.
        row("1.00000000000000011102230246251565404236316680908203126", -1, 1.0000000000000002);
        row("9007199254740993" + std::string(800, '0') + "1e-801", -1, 9007199254740994.);
        row(" -1,234,567.5 ", 0, -1234567.5);
        row("1.234,5", 1, 1234.5);
        row("1\u202F234,5", 2, 1234.5);
        for (const char *text :
            { "", "-", "1.5e3", "+5", "1,23", "1234,567", "1.", ".5", "1 234", "1,234.5x" })
            row(text, 0, std::nullopt);
        row("22.9", 1, std::nullopt);
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(int, locale);
        const std::string utf8 = text.toStdString();
        QTEST(locale < 0 ? calc::ParseLeadingNumber(utf8) : calc::ParseLocaleNumber(utf8, kLocales[locale]),
            "value");
    }

    // The boxes' texts as measurements: absent where there is nothing to compute with, never a number
    // other than the one typed. Then the BMI, the doubts, and the BMR of a man 18-29 and a woman 60+.
    void measured_data()
    {
        QTest::addColumn<QStringList>("boxes"); // weight, height, and inches in English units
        QTest::addColumn<int>("locale");
        QTest::addColumn<Number>("weightKg");
        QTest::addColumn<Number>("heightCm");
        QTest::addColumn<QString>("results");
        const Number none;
        const auto row
            = [](const char *name, QStringList boxes, int locale, Number kg, Number cm, const char *results) {
                  QTest::newRow(name) << boxes << locale << kg << cm << results;
              };
        row("typed 72.5", { "72.5", "182" }, 0, 72.5, 182., "21.9||1815|1357");
        row("typed 72,5 in German", { "72,5", " 1 82 cm" }, 1, 72.5, 182., "21,9||1815|1357");
        row("72,5 where the comma groups", { "72,5", "182" }, 0, none, 182., "|||");
        row("1,000 where the comma groups", { "1,000", "182" }, 0, none, 182., "|||");
        row("weight alone", { "70 kg", "" }, 0, 70., none, "|||1331");
        for (const char *weight : { "0", "-70", "&HFFFF", "1e400", "abc" })
            row(weight, { weight, "175" }, 0, none, 175., "|||");
        row("5 ft, inches beyond a double", { "154", "5", "1e400" }, 0, 69.916, 152.4, "30.1||1773|1330");
        row("69 inches alone", { "", "", "69" }, 0, none, 175.26, "|||");
        row("400 kg, 200 cm", { "400", "200" }, 0, 400., 200., "100.0||6749|4796");
        row("heaviest and tallest", { "650", "280" }, 0, 650., 280., "82.9||10522|7421");
        row("weight beyond any adult's", { "99999999999", "175" }, 0, 99999999999., 175.,
            "32653061224.2|weight|1506000000708|1050000000586");
        row("height beyond any adult's", { "70", "1750" }, 0, 70., 1750., "0.2|height|1935|1331");
        row("both beyond", { "1.9", "49" }, 0, 1.9, 49., "7.9|weight height|739|616");
    }
    void measured()
    {
        QFETCH(QStringList, boxes);
        QFETCH(int, locale);
        std::vector<std::string> texts;
        for (const QString &box : boxes)
            texts.push_back(box.toStdString());
        const calc::Measured m = texts.size() == 3
            ? calc::MeasuredEnglish(texts[0], texts[1], texts[2], kLocales[locale])
            : calc::MeasuredMetric(texts[0], texts[1], kLocales[locale]);
        QTEST(m.weightKg, "weightKg");
        QTEST(m.heightCm, "heightCm");
        const calc::Doubts doubts = calc::DoubtfulMeasurements(m);
        const QStringList results { QString::fromStdString(Write(calc::MeasuredBmi(m), "0.0", locale)),
            QStringList { doubts.weight ? "weight" : "", doubts.height ? "height" : "" }.join(' ').trimmed(),
            QString::fromStdString(
                Write(calc::MeasuredBmr(calc::AgeGroup::Age18To29, calc::Sex::Male, m), "0")),
            QString::fromStdString(
                Write(calc::MeasuredBmr(calc::AgeGroup::Age60AndOver, calc::Sex::Female, m), "0")) };
        QTEST(results.join('|'), "results");
    }

    // Pasted text as the number a person means in the locale, in the form the keyboard would type it.
    void pasted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("locale");
        QTest::addColumn<QString>("typed"); // "refused" for none
        const auto row = [](const char *text, int locale, const char *typed) {
            QTest::addRow("%s in %d", text, locale) << QString::fromUtf8(text) << locale << typed;
        };
        row("72,5", 1, "72,5");
        row("72.5", 1, "72.5"); // "." cannot group here, so it is the typed decimal point
        row("1.000", 1, "1000");
        row("1.000,5 kg", 1, "1000,5");
        row("1,000", 0, "1000");
        row(" 1,000.5 kg ", 0, "1000.5");
        row("1\u202F234,5", 2, "1234,5");
        row(".5", 0, ".5");
        row(" ", 0, "");
        for (const char *text : { "72,5", "12,34,567", "1.2.3", "-70", "+70", "abc", "1e308", "&HFFFF",
                 "175 cm 2", ".", "1,000,5" })
            row(text, 0, "refused");
    }
    void pasted()
    {
        QFETCH(QString, text);
        QFETCH(int, locale);
        const auto typed = calc::TypedFormOfPaste(text.toStdString(), kLocales[locale]);
        QTEST(typed ? QString::fromStdString(*typed) : QString("refused"), "typed");
    }

    void written_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const std::string &text, const char *expected) {
            QTest::addRow("%s", expected) << QString::fromStdString(text) << expected;
        };
        row(Write(11.25, "0.0"), "11.3");
        row(Write(-0.04, "0.0"), "0.0"); // a shown zero has no sign
        row(Write(0.49999999999999994, "0"), "1"); // 0.500000000000000 at 15 digits
        row(Write(999999999999999.5, "0"), "1000000000000000");
        // The nearer 15 digits, 1.79769313486232e308, are beyond every double.
        row(Write(-std::numeric_limits<double>::max(), "0").substr(0, 20), "-1797693134862310000");
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

    // The category bounds are checked against the document. At 100 cm the BMI is the weight itself.
    void bodyMass_data()
    {
        QTest::addColumn<double>("weight"); // kg
        QTest::addColumn<double>("heightCm");
        QTest::addColumn<Number>("bmi");
        QTest::addColumn<BmiCategory>("category");
        QTest::addColumn<QString>("range"); // kg, then lbs
        QTest::addColumn<float>("barTwips");
        using C = BmiCategory;
        const auto row
            = [](double weight, double height, Number bmi, C category, const char *range, float bar) {
                  QTest::addRow("%.17g kg, %.17g cm", weight, height)
                      << weight << height << bmi << category << range << bar;
              };
        row(70, 175, 22.857142857142858, C::NormalWeight, "57 - 76|126 - 167", 3270);
        row(74, 200, 18.5, C::NormalWeight, "74 - 100|163 - 220", 1950);
        // (h / 100 x h) / 100 leaves this just below 25, where h x h / 10000 gives 25 itself.
        row(121, 220, 24.999999999999996, C::NormalWeight, "90 - 121|198 - 267", 3900);
        // 154 lbs, 5 ft 9 in
        row(69.916, 175.26, 22.762028300784181, C::NormalWeight, "57 - 76|126 - 167", 3240);
        row(24.96, 100, 24.96, C::NormalWeight, "19 - 25|42 - 55", 3900);
        row(36, 100, 36., C::Obesity, "19 - 25|42 - 55", 7200);
    }
    void bodyMass()
    {
        QFETCH(double, weight);
        QFETCH(double, heightCm);
        const Number bmi = calc::BodyMassIndex({ weight, heightCm });
        QTEST(bmi, "bmi");
        QTEST(calc::ClassifyBmi(bmi), "category");
        const auto limits = calc::AppropriateWeightRange(heightCm);
        const std::string lower = Write(limits.lowerKg, "0,0"), upper = Write(limits.upperKg, "0,0");
        QTEST(QString::fromStdString(calc::RangeTextKg(lower, upper) + "|"
                  + calc::RangeTextLbs(lower, upper, kLocales[0]).value()),
            "range");
        const Number shown = calc::ParseLocaleNumber(Write(bmi, "0.0"), kLocales[0]);
        QTEST(calc::ScaleBarWidth(shown), "barTwips");
    }

    // BMR, PAL, DIT and TEE as the boxes show them: each step reads the previous step's rounded text.
    void energy_data()
    {
        QTest::addColumn<calc::Sex>("sex");
        QTest::addColumn<calc::AgeGroup>("age");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("height");
        QTest::addColumn<calc::Intensity>("outside");
        QTest::addColumn<calc::Intensity>("atWork");
        QTest::addColumn<Number>("bmr");
        QTest::addColumn<QString>("texts"); // BMR, PAL, DIT and TEE
        using A = calc::AgeGroup;
        using I = calc::Intensity;
        const auto man = calc::Sex::Male, woman = calc::Sex::Female;
        const auto row = [](const char *name, calc::Sex sex, A age, double weight, double height, I outside,
                             I atWork, Number bmr, const char *texts) {
            QTest::newRow(name) << sex << age << weight << height << outside << atWork << bmr << texts;
        };
        row("worked example", man, A::Age18To29, 70, 175, I::Moderate, I::Weak, 1776.77,
            "1777 1.5 267 2,933");
        row("grouped DIT read back", man, A::Age18To29, 400, 200, I::High, I::High, 6749.08,
            "6749 1.9 1,282 14,105");
        row("man 60+, any height", man, A::Age60AndOver, 80, 1e308, I::Weak, I::Moderate, 1567.,
            "1567 1.6 251 2,758");
        // Left to right the sums land just below the half; other orders give other last bits.
        row("man, sum below the half", man, A::Age18To29, 35, 131, I::Weak, I::Weak, 1245.2523999999999,
            "1245 1.4 174 1,917");
        row("woman, sum below the half", woman, A::Age18To29, 23, 133, I::Weak, I::Weak, 787.64999999999998,
            "788 1.4 110 1,213");
        row("BMR beyond a double", woman, A::Age18To29, 1e308, 0, I::Weak, I::Weak, std::nullopt, " 1.4  ");
    }
    void energy()
    {
        QFETCH(calc::Sex, sex);
        QFETCH(calc::AgeGroup, age);
        QFETCH(double, weight);
        QFETCH(double, height);
        QFETCH(calc::Intensity, outside);
        QFETCH(calc::Intensity, atWork);
        const Number bmr = calc::BasalMetabolicRate(age, sex, { weight, height });
        QTEST(bmr, "bmr");
        const std::string bmrText = Write(bmr, "0");
        const std::string palText = Write(calc::PhysicalActivityLevel(sex, outside, atWork), "");
        const calc::EnergyTexts energy = calc::EnergyFromTexts(bmrText, palText, kLocales[0]);
        QTEST(QString::fromStdString(bmrText + " " + palText + " " + energy.dit + " " + energy.tee), "texts");
    }

    // Every cell of the BMR and PAL tables of the calculation document, read from the document.
    void tablesAsDocumented()
    {
        const QStringList ages { "18-29", "30-59", "60 and over" };
        const QList<QStringList> equations = DocumentTable(QStringLiteral("## 4. Basal metabolic rate"));
        QCOMPARE(equations.size(), 1 + 6);
        const QRegularExpression terms(
            QStringLiteral("^([\\d.]+) × W(?: \\+ ([\\d.]+) × H ÷ 100)? \\+ ([\\d.]+)$"));
        for (const QStringList &row : equations.mid(1)) {
            const auto term = terms.match(row.value(2));
            QVERIFY2(term.hasMatch(), qPrintable(row.join('|')));
            const double w = 71.3, h = 176.9; // strictly left to right, as the document says
            double expected = term.captured(1).toDouble() * w;
            if (term.hasCaptured(2))
                expected = expected + term.captured(2).toDouble() * h / 100;
            expected = expected + term.captured(3).toDouble();
            const auto sex = row.value(1) == "man" ? calc::Sex::Male : calc::Sex::Female;
            QCOMPARE(calc::BasalMetabolicRate(calc::AgeGroup(ages.indexOf(row.value(0))), sex, { w, h }),
                Number(expected));
        }
        const QList<QStringList> levels = DocumentTable(QStringLiteral("## 5. Physical activity level"));
        QCOMPARE(levels.size(), 2 * 4);
        for (int cell = 0; cell < 2 * 3 * 3; ++cell) {
            const int sex = cell / 9, outside = cell / 3 % 3, atWork = cell % 3;
            QCOMPARE(calc::PhysicalActivityLevel(
                         calc::Sex(sex), calc::Intensity(outside), calc::Intensity(atWork)),
                levels[sex * 4 + 1 + outside].value(1 + atWork).toDouble());
        }
    }

    // The conversions, the layouts' examples, the category bounds and the adults' bounds as the
    // calculation document states them.
    void otherTablesAsDocumented()
    {
        const QRegularExpression number(QStringLiteral("[\\d.]+"));
        const auto numbers = [&number](const QString &cell) {
            QList<double> found;
            for (auto it = number.globalMatch(cell); it.hasNext();)
                found << it.next().captured().toDouble();
            return found;
        };
        const QList<QStringList> units = DocumentTable(QStringLiteral("## 1. Inputs and units"));
        QCOMPARE(units.size(), 1 + 3);
        QCOMPARE(numbers(units[1].value(1)),
            QList<double>({ calc::FeetInchesToCm(1, 0), calc::FeetInchesToCm(0, 1) }));
        QCOMPARE(numbers(units[2].value(1)), QList<double>({ calc::LbsToKg(1) }));
        QCOMPARE(1 / numbers(units[3].value(1)).value(0), calc::KgToLbs(1));
        // "22.857… → 22.9; 0 → 0.0": every example without an ellipsis, in its layout.
        const QList<QStringList> layouts = DocumentTable(QStringLiteral("## 2. How numbers are written"));
        const char *patterns[] = { "0.0", "0,0", "0" };
        for (int layout = 0; layout < 3; ++layout) {
            for (const QString &example : layouts.value(1 + layout).value(4).split(QStringLiteral("; "))) {
                const QStringList sides = example.split(QStringLiteral(" → "));
                if (!sides[0].contains(QStringLiteral("…")))
                    QCOMPARE(
                        QString::fromStdString(Write(sides[0].toDouble(), patterns[layout])), sides.value(1));
            }
        }
        // "BMI < 18.5", "18.5 ≤ BMI ≤ 25", "BMI ≥ 30": each category holds at a bound that is its own,
        // and not beyond it.
        const QStringList names { "Reduced weight", "Normal weight", "Overweight", "Obesity" };
        const QRegularExpression condition(
            QStringLiteral("^(?:([\\d.]+) (<|≤) )?BMI (?:(<|≤) ([\\d.]+)|≥ ([\\d.]+))$"));
        for (const QStringList &row : DocumentTable(QStringLiteral("## 3. Body mass index"))) {
            if (const qsizetype category = names.indexOf(row.value(0)); category >= 0) {
                const auto bound = condition.match(row.value(1));
                QVERIFY2(bound.hasMatch(), qPrintable(row.join('|')));
                const auto holds
                    = [&](double bmi) { return calc::ClassifyBmi(bmi) == BmiCategory(category); };
                if (const QString lower = bound.captured(1) + bound.captured(5); !lower.isEmpty()) {
                    QCOMPARE(holds(lower.toDouble()), bound.captured(2) != "<");
                    QVERIFY(!holds(std::nextafter(lower.toDouble(), 0.)));
                }
                if (const QString upper = bound.captured(4); !upper.isEmpty()) {
                    QCOMPARE(holds(upper.toDouble()), bound.captured(3) == "≤");
                    QVERIFY(!holds(std::nextafter(upper.toDouble(), 99.)));
                }
            } else if (row.value(0) == "weight" || row.value(0) == "height") {
                const calc::AdultBounds bounds
                    = row.value(0) == "weight" ? calc::kAdultWeightKg : calc::kAdultHeightCm;
                QCOMPARE(
                    numbers(row.value(1) + row.value(2)), QList<double>({ bounds.lowest, bounds.highest }));
            }
        }
    }

    void exactTextsAndOrders()
    {
        // (factor x m) x m, with m = height / 100; factor x m^2 ends a bit lower.
        QCOMPARE(Number(calc::AppropriateWeightRange(102).lowerKg), 19.247400000000003);
        // (bmr x 0.1) x pal; bmr x (0.1 x pal) or bmr x pal / 10 give 24.499999999999996.
        QCOMPARE(calc::DietInducedThermogenesis(175, 1.4), 24.5);
    }
};

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calc.moc"
