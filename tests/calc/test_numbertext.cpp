// Number texts: the lenient input reader, the locale reader, the patterns and the plain form, and the
// promise that every written text reads back as the number it shows, in every locale, for every double.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include <QRandomGenerator>
#include <QTest>

#include "calc/calc.h"
#include "exact.h"

namespace {

const calc::NumberSeparators kLocales[] = { { ".", "," }, { ",", "." }, { ",", "\u202F" }, { ".", "'" } };

// Independent reading of a written text: drop the group separators, make the decimal a point, from_chars.
double ReferenceRead(std::string text, const calc::NumberSeparators &separators)
{
    for (auto at = text.find(separators.group); at != std::string::npos; at = text.find(separators.group, at))
        text.erase(at, separators.group.size());
    if (const auto at = text.find(separators.decimal); at != std::string::npos)
        text.replace(at, separators.decimal.size(), ".");
    double value = qQNaN();
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Write(double value, const char *pattern, const calc::NumberSeparators &separators)
{
    return *pattern ? calc::FormatWithPattern(value, pattern, separators)
                    : calc::PlainNumberText(value, separators);
}

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<OptionalDouble>("value");
        const auto row = [](const char *name, const std::string &text, OptionalDouble value) {
            QTest::newRow(name) << QByteArray::fromStdString(text) << value;
        };
        row("empty", "", 0.);
        row("no number", "abc", 0.);
        row("unit after digits", "175cm", 175.);
        row("decimal point", "1.80", 1.8);
        row("comma ends the number", "1,80", 1.);
        row("minus", "-70", -70.);
        row("blanks between digits", " 1\n7\t5 ", 175.);
        row("blank after sign", "+ 7 0", 70.);
        row("second point ends the number", "1.2.3", 1.2);
        row("leading point", ".5", .5);
        row("exponent E", "1.5E3", 1500.);
        row("exponent d with sign", "25d-1", 2.5);
        row("exponent letter without digits", "7e", 7.);
        row("exponent without mantissa", "e5", 0.);
        row("hex", "&H1F", 31.);
        row("hex 16 bits wraps", "&HFFFF", -1.);
        row("hex 16-bit sign bit", "&h8000", -32768.);
        row("hex 17 bits", "&H10000", 65536.);
        row("hex 32 bits wraps", "&H0000FFFFFFFF", -1.);
        row("hex 32-bit sign bit", "&H80000000", -2147483648.);
        row("hex 33 bits", "&H100000000", 4294967296.);
        row("hex 64 bits rounds to even", "&HFFFFFFFFFFFFFC00", 18446744073709551616.);
        row("hex 2^1020", "&H1" + std::string(255, '0'), std::ldexp(1., 1020));
        row("hex rounding up to 2^1024", "&H" + std::string(256, 'F'), std::nullopt);
        row("octal 16 bits wraps", "&o177777", -1.);
        row("ampersand alone", "&X1", 0.);
        row("beyond a double", "-2e308", std::nullopt);
        row("huge exponent digits", "1e99999999999999999999", std::nullopt);
        row("below a double", "1e-400", 0.);
        row("smallest subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324);
        row("halfway needs the 17th digit", "9007199254740993.000000001", 9007199254740994.);
        row("exact half above 1 ties to even", "1.00000000000000011102230246251565404236316680908203125", 1.);
        row("just above that half", "1.00000000000000011102230246251565404236316680908203126",
            1.0000000000000002);
        row("nonzero digit after 800", "9007199254740993" + std::string(800, '0') + "1e-801",
            9007199254740994.);
    }
    void leadingNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(OptionalDouble, value);
        QCOMPARE(calc::ParseLeadingNumber(text.toStdString()), value);
    }

    void localeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("locale");
        QTest::addColumn<OptionalDouble>("value");
        QTest::newRow("grouped") << "1,235" << 0 << OptionalDouble(1235);
        QTest::newRow("blanks, minus, groups, decimals")
            << " \t-1,234,567.5 " << 0 << OptionalDouble(-1234567.5);
        QTest::newRow("padded zero") << "05" << 0 << OptionalDouble(5);
        QTest::newRow("comma is decimal in a comma locale") << "1,234" << 1 << OptionalDouble(1.234);
        QTest::newRow("point groups in a comma locale") << "1.234,5" << 1 << OptionalDouble(1234.5);
        QTest::newRow("narrow space groups") << "1\u202F234,5" << 2 << OptionalDouble(1234.5);
        QTest::newRow("apostrophe groups") << "1'234.5" << 3 << OptionalDouble(1234.5);
        for (const char *text : { "", " ", "-", "abc", "1.5e3", "$5", "(5)", "5-", "+5", "1,23", "1,2345",
                 ",123", "1.", ".5", "1.5.5", "1 234", "1,23,456", "1234,567", "--5", "- 5", "1,234.5x" })
            QTest::addRow("refuses \"%s\"", text) << QString::fromUtf8(text) << 0 << OptionalDouble();
        QTest::newRow("refuses a point in a comma locale") << "22.9" << 1 << OptionalDouble();
    }
    void localeNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, locale);
        QFETCH(OptionalDouble, value);
        QCOMPARE(calc::ParseLocaleNumber(text.toStdString(), kLocales[locale]), value);
    }

    void pattern()
    {
        const auto check
            = [](OptionalDouble value, const char *pattern, const std::string &text, int locale = 0) {
                  QCOMPARE(calc::FormatWithPattern(value, pattern, kLocales[locale]), text);
              };
        check(22.857142857142858, "0.0", "22.9");
        check(0.04, "0.0", "0.0");
        check(30., "0.0", "30.0");
        check(11.25, "0.0", "11.3");
        check(0.15, "0.0", "0.2");
        check(-0.04, "0.0", "0.0"); // a shown zero carries no sign
        check(-0.05, "0.0", "-0.1");
        check(56.65625, "0,0", "57");
        check(99.6, "0,0", "100");
        check(7.4, "0,0", "07");
        check(0., "0,0", "00");
        check(1234.5, "0,0", "1,235");
        check(-1234567.5, "0,0", "-1,234,568");
        check(1678.4, "0", "1678");
        check(0.4, "0", "0");
        check(2.5, "0", "3");
        check(-2.5, "0", "-3");
        check(1382.1499999999999, "0", "1382");
        check(999999999999999.5, "0", "1000000000000000"); // 15 digits first, then the carry
        check(0.49999999999999994, "0", "1"); // 0.500000000000000 at 15 digits
        check(1234567890123456., "0,0", "1,234,567,890,123,460");
        // 1.79769313486232e308 would be beyond a double and fail to read back.
        check(-std::numeric_limits<double>::max(), "0", "-179769313486231" + std::string(294, '0'));
        check(1234.5, "0,0", "1\u202F235", 2);
        check(22.857142857142858, "0.0", "22,9", 1);
        for (const char *pattern : { "0.0", "0,0", "0" }) {
            check(std::nullopt, pattern, "");
            check(qInf(), pattern, "");
        }
    }

    void plainText()
    {
        const auto check = [](double value, const char *text, int locale = 0) {
            QCOMPARE(calc::PlainNumberText(value, kLocales[locale]), text);
        };
        check(1.4, "1.4");
        check(2, "2");
        check(1.4, "1,4", 1);
        check(-1234567.891, "-1234567.891");
        check(22.857142857142858, "22.8571428571429");
        check(0.1 + 0.2, "0.3");
        check(1e-5, "0.00001");
        check(1.5e20, "150000000000000000000");
        check(-0., "0");
    }

    void units()
    {
        QCOMPARE(OptionalDouble(calc::FeetInchesToCm(5, 9)), 175.25999999999999);
        QCOMPARE(OptionalDouble(calc::FeetInchesToCm(5, 0)), 152.4);
        QCOMPARE(OptionalDouble(calc::LbsToKg(154)), 69.915999999999997);
        QCOMPARE(OptionalDouble(calc::KgToLbs(57)), 125.55066079295153);
    }

    // Random bit patterns cover every exponent; decimal-ish values hit the halves and carries of the
    // patterns.
    void writtenTextsReadBack()
    {
        QRandomGenerator random(20240611);
        for (int i = 0; i < 40000; ++i) {
            const quint64 bits = random.generate64();
            double value = double(qint64(bits % 2000000000) - 1000000000) / std::pow(10., random.bounded(8));
            if (i % 2 == 0)
                std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
            for (const auto &separators : kLocales) {
                for (const char *pattern : { "0.0", "0,0", "0", "" }) {
                    const std::string text = Write(value, pattern, separators);
                    const auto read = calc::ParseLocaleNumber(text, separators);
                    const bool same = read && *read == ReferenceRead(text, separators);
                    QVERIFY2(same && Write(*read, pattern, separators) == text,
                        qPrintable(QStringLiteral("%1 as \"%2\": %3")
                                       .arg(value, 0, 'g', 17)
                                       .arg(pattern, text.c_str())));
                }
            }
        }
    }

    // For moderate values "0" must equal std::round of the value at 15 significant digits.
    void wholeRoundingAgreesWithStdRound()
    {
        QRandomGenerator random(7);
        for (int i = 0; i < 40000; ++i) {
            const double value
                = double(qint64(random.generate64() % 20000000) - 10000000) / std::pow(2., random.bounded(12))
                + (i % 4 == 0 ? 0.5 : 0);
            char digits[32], expected[64];
            std::snprintf(digits, sizeof digits, "%.14e", value);
            std::snprintf(expected, sizeof expected, "%.0f", std::round(std::strtod(digits, nullptr)) + 0.0);
            QVERIFY2(calc::FormatWithPattern(value, "0", {}) == expected,
                qPrintable(QString::number(value, 'g', 17)));
        }
    }

    void arbitraryBytesAndMegabyteTexts()
    {
        QRandomGenerator random(99);
        for (int i = 0; i < 20000; ++i) {
            std::string text(random.bounded(64), '\0');
            for (char &c : text)
                c = char(i % 2 ? random.bounded(256) : " \t\n+-.,&HhOoEeDd0123456789"[random.bounded(26)]);
            const auto lenient = calc::ParseLeadingNumber(text);
            QVERIFY(!lenient || std::isfinite(*lenient));
            const auto strict = calc::ParseLocaleNumber(text, kLocales[i % 4]);
            QVERIFY(!strict || std::isfinite(*strict));
        }

        const std::size_t megabyte = 1 << 20;
        QCOMPARE(calc::ParseLeadingNumber("1" + std::string(megabyte, '0')), std::nullopt);
        QCOMPARE(calc::ParseLeadingNumber("0." + std::string(megabyte, '3')), 1 / 3.);
        QCOMPARE(calc::ParseLeadingNumber("0." + std::string(megabyte, '0') + "1e1048600"), 1e23);
        QCOMPARE(calc::ParseLeadingNumber(std::string(megabyte, ' ') + "5"), 5.);
        QCOMPARE(calc::ParseLeadingNumber("&H" + std::string(megabyte, 'F')), std::nullopt);
        QCOMPARE(calc::ParseLocaleNumber("0," + std::string(megabyte, '5'), kLocales[1]), 5 / 9.);
        QCOMPARE(calc::ParseLocaleNumber(std::string(megabyte, '7') + "x", {}), std::nullopt);
        std::string grouped = "1";
        while (grouped.size() < megabyte)
            grouped += ",000";
        QCOMPARE(calc::ParseLocaleNumber(grouped, {}), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
