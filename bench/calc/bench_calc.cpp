// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// The number texts run several times per keystroke; each call should stay well under a microsecond.
#include <QTest>

#include "calc/calc.h"

class BenchCalc : public QObject
{
    Q_OBJECT
private slots:
    void formatWithPattern_data();
    void formatWithPattern();
    void parseLocaleNumber_data();
    void parseLocaleNumber();
    void parseLeadingNumber_data();
    void parseLeadingNumber();

private:
    const calc::NumberSeparators separators_;
    std::size_t sink_ = 0; // keeps the calls from being optimized away
};

void BenchCalc::formatWithPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("pattern");
    QTest::newRow("BMI 0.0") << 22.857142857142858 << int(calc::Pattern::OneDecimal);
    QTest::newRow("TEE 0,0") << 2932.5 << int(calc::Pattern::WholeGrouped);
    QTest::newRow("BMR 0") << 1776.77 << int(calc::Pattern::Whole);
}

void BenchCalc::formatWithPattern()
{
    QFETCH(double, value);
    QFETCH(int, pattern);
    const auto layout = calc::Pattern(pattern);
    QBENCHMARK
    {
        sink_ += calc::FormatWithPattern(value, layout, separators_).size();
    }
}

void BenchCalc::parseLocaleNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("TEE 14,105") << QByteArray("14,105");
    QTest::newRow("BMI 22.9") << QByteArray("22.9");
    QTest::newRow("plain 22.8571428571429") << QByteArray("22.8571428571429");
}

void BenchCalc::parseLocaleNumber()
{
    QFETCH(QByteArray, text);
    const std::string_view view(text.constData(), std::size_t(text.size()));
    QBENCHMARK
    {
        sink_ += calc::ParseLocaleNumber(view, separators_).has_value();
    }
}

void BenchCalc::parseLeadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("height 175") << QByteArray("175");
    QTest::newRow("pasted 72.5") << QByteArray("72.5");
    QTest::newRow("exponent 1.5E3") << QByteArray("1.5E3");
    QTest::newRow("hex &HFFFF") << QByteArray("&HFFFF");
}

void BenchCalc::parseLeadingNumber()
{
    QFETCH(QByteArray, text);
    const std::string_view view(text.constData(), std::size_t(text.size()));
    QBENCHMARK
    {
        sink_ += calc::ParseLeadingNumber(view).has_value();
    }
}

QTEST_APPLESS_MAIN(BenchCalc)
#include "bench_calc.moc"
