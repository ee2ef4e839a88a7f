// Number texts: the lenient input reader, the locale reader, the patterns and the plain form, and the
// promise that every written text reads back as the number it shows, in every locale, for every double.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include <QElapsedTimer>
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

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void localeNumber_data();
    void localeNumber();
    void pattern_data();
    void pattern();
    void plainText_data();
    void plainText();
    void units();
    void writtenTextsReadBack();
    void wholeRoundingAgreesWithStdRound();
    void arbitraryBytesAndMegabyteTexts();
};

void TestNumberText::leadingNumber_data()
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
    row("plus", "+70", 70.);
    row("blanks between digits", " 1\n7\t5 ", 175.);
    row("blank after sign", "- 7 0", -70.);
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
    row("hex 32 bits wraps", "&HFFFFFFFF", -1.);
    row("hex 32-bit sign bit", "&H80000000", -2147483648.);
    row("hex 33 bits", "&H100000000", 4294967296.);
    row("hex leading zeros", "&H0000FFFF", -1.);
    row("hex 64 bits rounds to even", "&HFFFFFFFFFFFFFC00", 18446744073709551616.);
    row("hex below a half keeps", "&H1FFFFFFFFFFFFF", 9007199254740991.);
    row("hex 2^1020", "&H1" + std::string(255, '0'), std::ldexp(1., 1020));
    row("hex rounding up to 2^1024", "&H" + std::string(256, 'F'), std::nullopt);
    row("octal", "&O17", 15.);
    row("octal 16 bits wraps", "&o177777", -1.);
    row("ampersand alone", "&X1", 0.);
    row("beyond a double", "1e309", std::nullopt);
    row("negative beyond a double", "-2e308", std::nullopt);
    row("below a double", "1e-400", 0.);
    row("huge exponent digits", "1e99999999999999999999", std::nullopt);
    row("smallest subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324);
    row("halfway needs the 17th digit", "9007199254740993.000000001", 9007199254740994.);
    row("exact half above 1 ties to even", "1.00000000000000011102230246251565404236316680908203125", 1.);
    row("just above that half", "1.00000000000000011102230246251565404236316680908203126",
        1.0000000000000002);
    row("nonzero digit after 800", "9007199254740993" + std::string(800, '0') + "1e-801", 9007199254740994.);
}

void TestNumberText::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(OptionalDouble, value);
    QCOMPARE(calc::ParseLeadingNumber(text.toStdString()), value);
}

void TestNumberText::localeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("locale");
    QTest::addColumn<OptionalDouble>("value");
    QTest::newRow("grouped") << "1,235" << 0 << OptionalDouble(1235);
    QTest::newRow("blanks around, minus, groups, decimals")
        << " \t-1,234,567.5 " << 0 << OptionalDouble(-1234567.5);
    QTest::newRow("padded zero") << "05" << 0 << OptionalDouble(5);
    QTest::newRow("comma decimal") << "22,9" << 1 << OptionalDouble(22.9);
    QTest::newRow("comma is decimal in a comma locale") << "1,234" << 1 << OptionalDouble(1.234);
    QTest::newRow("point groups in a comma locale") << "1.234,5" << 1 << OptionalDouble(1234.5);
    QTest::newRow("narrow space groups") << "1\u202F234,5" << 2 << OptionalDouble(1234.5);
    QTest::newRow("apostrophe groups") << "1'234.5" << 3 << OptionalDouble(1234.5);
    for (const char *text :
        { "", "  ", "-", "abc", "1.5e3", "$5", "(5)", "5-", "+5", "1,23", "1,2345", ",123", "1.", ".5",
            "1.5.5", "1 234", "1,23,456", "1234,567", "--5", "- 5", "1,234.5x", "12,345,67" })
        QTest::addRow("refuses \"%s\"", text) << QString::fromUtf8(text) << 0 << OptionalDouble();
    QTest::newRow("refuses point in a comma locale") << "22.9" << 1 << OptionalDouble();
}

void TestNumberText::localeNumber()
{
    QFETCH(QString, text);
    QFETCH(int, locale);
    QFETCH(OptionalDouble, value);
    QCOMPARE(calc::ParseLocaleNumber(text.toStdString(), kLocales[locale]), value);
}

void TestNumberText::pattern_data()
{
    QTest::addColumn<OptionalDouble>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("locale");
    QTest::addColumn<QString>("text");
    const auto row = [](OptionalDouble value, const char *pattern, const std::string &text, int locale = 0) {
        QTest::addRow("%.17g with \"%s\"", value.value_or(qQNaN()), pattern)
            << value << QString(pattern) << locale << QString::fromStdString(text);
    };
    row(22.857142857142858, "0.0", "22.9");
    row(0., "0.0", "0.0");
    row(0.04, "0.0", "0.0");
    row(30., "0.0", "30.0");
    row(11.25, "0.0", "11.3");
    row(0.15, "0.0", "0.2");
    row(-0.04, "0.0", "0.0"); // a shown zero carries no sign
    row(-0.05, "0.0", "-0.1");
    row(56.65625, "0,0", "57");
    row(99.6, "0,0", "100");
    row(5., "0,0", "05");
    row(7.4, "0,0", "07");
    row(0., "0,0", "00");
    row(1234.5, "0,0", "1,235");
    row(-1234567.5, "0,0", "-1,234,568");
    row(1678.4, "0", "1678");
    row(0.4, "0", "0");
    row(2.5, "0", "3");
    row(-2.5, "0", "-3");
    row(1382.1499999999999, "0", "1382");
    row(999999999999999.5, "0", "1000000000000000"); // 15 digits first, then the carry
    row(0.49999999999999994, "0", "1"); // 0.500000000000000 at 15 digits
    row(1e21, "0", "1000000000000000000000");
    row(1234567890123456., "0,0", "1,234,567,890,123,460");
    // 1.79769313486232e308 would be beyond a double and fail to read back.
    row(-std::numeric_limits<double>::max(), "0", "-179769313486231" + std::string(294, '0'));
    row(1234.5, "0,0", "1\u202F235", 2);
    row(22.857142857142858, "0.0", "22,9", 1);
    for (const char *pattern : { "0.0", "0,0", "0" }) {
        row(std::nullopt, pattern, "");
        row(qInf(), pattern, "");
    }
}

void TestNumberText::pattern()
{
    QFETCH(OptionalDouble, value);
    QFETCH(QString, pattern);
    QFETCH(int, locale);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(calc::FormatWithPattern(value, pattern.toStdString(), kLocales[locale])),
        text);
}

void TestNumberText::plainText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.4") << 1.4 << 0 << "1.4";
    QTest::newRow("whole") << 2. << 0 << "2";
    QTest::newRow("comma locale") << 1.4 << 1 << "1,4";
    QTest::newRow("negative") << -0.5 << 0 << "-0.5";
    QTest::newRow("no grouping") << 1234567.891 << 0 << "1234567.891";
    QTest::newRow("15 digits") << 22.857142857142858 << 0 << "22.8571428571429";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << 0 << "0.3";
    QTest::newRow("small, positional") << 1e-5 << 0 << "0.00001";
    QTest::newRow("large, positional") << 1.5e20 << 0 << "150000000000000000000";
    QTest::newRow("negative zero") << -0. << 0 << "0";
}

void TestNumberText::plainText()
{
    QFETCH(double, value);
    QFETCH(int, locale);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(calc::PlainNumberText(value, kLocales[locale])), text);
}

void TestNumberText::units()
{
    QCOMPARE(OptionalDouble(calc::FeetInchesToCm(5, 9)), 175.25999999999999);
    QCOMPARE(OptionalDouble(calc::FeetInchesToCm(5, 0)), 152.4);
    QCOMPARE(OptionalDouble(calc::LbsToKg(154)), 69.915999999999997);
    QCOMPARE(OptionalDouble(calc::KgToLbs(57)), 125.55066079295153);
}

// Random bit patterns cover every exponent; decimal-ish values hit the halves and carries of the patterns.
void TestNumberText::writtenTextsReadBack()
{
    QRandomGenerator random(20240611);
    for (int i = 0; i < 40000; ++i) {
        double value = 0;
        if (i % 2 == 0) {
            const quint64 bits = random.generate64();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else {
            value = double(qint64(random.generate64() % 2000000000) - 1000000000)
                / std::pow(10., random.bounded(8));
        }
        for (const auto &separators : kLocales) {
            for (const char *pattern : { "0.0", "0,0", "0", "" }) {
                const std::string text = *pattern ? calc::FormatWithPattern(value, pattern, separators)
                                                  : calc::PlainNumberText(value, separators);
                const auto read = calc::ParseLocaleNumber(text, separators);
                if (!read || *read != ReferenceRead(text, separators))
                    QFAIL(qPrintable(QStringLiteral("%1 as \"%2\" reads back wrongly: %3")
                                         .arg(value, 0, 'g', 17)
                                         .arg(pattern, QString::fromStdString(text))));
                const std::string again = *pattern ? calc::FormatWithPattern(read, pattern, separators)
                                                   : calc::PlainNumberText(*read, separators);
                if (again != text)
                    QFAIL(qPrintable(QStringLiteral("%1 shown as %2 rewrites as %3")
                                         .arg(value, 0, 'g', 17)
                                         .arg(QString::fromStdString(text), QString::fromStdString(again))));
            }
        }
    }
}

// For moderate values "0" must equal std::round of the value at 15 significant digits.
void TestNumberText::wholeRoundingAgreesWithStdRound()
{
    QRandomGenerator random(7);
    for (int i = 0; i < 40000; ++i) {
        const double value
            = double(qint64(random.generate64() % 20000000) - 10000000) / std::pow(2., random.bounded(12))
            + (i % 4 == 0 ? 0.5 : 0);
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.14e", value);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.0f", std::round(std::strtod(digits, nullptr)) + 0.0);
        const std::string text = calc::FormatWithPattern(value, "0", {});
        if (text != expected)
            QFAIL(qPrintable(QStringLiteral("%1 gives %2, expected %3")
                                 .arg(value, 0, 'g', 17)
                                 .arg(text.c_str(), expected)));
    }
}

void TestNumberText::arbitraryBytesAndMegabyteTexts()
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
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(calc::ParseLeadingNumber("1" + std::string(megabyte, '0')), std::nullopt);
    QCOMPARE(calc::ParseLeadingNumber("0." + std::string(megabyte, '3')), 1 / 3.);
    QCOMPARE(calc::ParseLeadingNumber("0." + std::string(megabyte, '0') + "1e1048600"), 1e23);
    QCOMPARE(calc::ParseLeadingNumber(std::string(megabyte, ' ') + "5"), 5.);
    QCOMPARE(calc::ParseLeadingNumber("&H" + std::string(megabyte, 'F')), std::nullopt);
    QCOMPARE(calc::ParseLocaleNumber(std::string(megabyte, '9'), {}), std::nullopt);
    QCOMPARE(calc::ParseLocaleNumber("0," + std::string(megabyte, '5'), kLocales[1]), 5 / 9.);
    QCOMPARE(calc::ParseLocaleNumber(std::string(megabyte, '7') + "x", {}), std::nullopt);
    std::string grouped = "1";
    while (grouped.size() < megabyte)
        grouped += ",000";
    QCOMPARE(calc::ParseLocaleNumber(grouped, {}), std::nullopt);
    // Linear work is a few milliseconds per megabyte; a quadratic reader would take minutes.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
