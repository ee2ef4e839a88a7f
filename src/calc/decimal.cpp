// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace calc::detail {

namespace {
// 767 significant digits decide any halfway case between two doubles; the sticky digit stands for the rest.
constexpr std::size_t kMaxDigits = 800;
// Far beyond any double, yet far from overflowing the exponent arithmetic.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;
} // namespace

void DecimalAccumulator::Keep(int digit)
{
    if (m_digits.size() < kMaxDigits) {
        m_digits.push_back(static_cast<char>('0' + digit));
    } else {
        ++m_exponent;
        m_sticky = m_sticky || digit != 0;
    }
}

void DecimalAccumulator::AddIntegerDigit(int digit)
{
    m_sawDigit = true;
    if (m_digits.empty() && digit == 0)
        return;
    Keep(digit);
}

void DecimalAccumulator::AddFractionDigit(int digit)
{
    m_sawDigit = true;
    if (m_digits.empty() && digit == 0) {
        m_exponent = std::max(m_exponent - 1, -kExponentLimit);
        return;
    }
    if (m_digits.size() < kMaxDigits) {
        m_digits.push_back(static_cast<char>('0' + digit));
        m_exponent = std::max(m_exponent - 1, -kExponentLimit);
    } else {
        m_sticky = m_sticky || digit != 0;
    }
}

void DecimalAccumulator::AddExponent(std::int64_t exponent)
{
    m_exponent = std::clamp(
        m_exponent + std::clamp(exponent, -kExponentLimit, kExponentLimit), -kExponentLimit, kExponentLimit);
}

std::optional<double> DecimalAccumulator::ToDouble(bool negative) const
{
    const double zero = negative ? -0.0 : 0.0;
    if (m_digits.empty())
        return zero;
    // Up to 15 digits make an integer that a double holds exactly, and 10^0 to 10^22 are exact
    // doubles: one multiplication or division then rounds once, to the correctly rounded value.
    if (!m_sticky && m_digits.size() <= 15 && m_exponent >= -22 && m_exponent <= 22) {
        constexpr double kPowersOfTen[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
        std::int64_t whole = 0;
        for (const char digit : m_digits)
            whole = whole * 10 + (digit - '0');
        const double mantissa = static_cast<double>(whole);
        const double value
            = m_exponent >= 0 ? mantissa * kPowersOfTen[m_exponent] : mantissa / kPowersOfTen[-m_exponent];
        return negative ? -value : value;
    }
    std::string text = m_digits;
    std::int64_t exponent = m_exponent;
    if (m_sticky) {
        text.push_back('1');
        --exponent;
    }
    // Decimal exponent of the leading digit; doubles span about 1e-324 to 1.8e308.
    const std::int64_t magnitude = exponent + static_cast<std::int64_t>(text.size()) - 1;
    if (magnitude > 309)
        return std::nullopt;
    if (magnitude < -330)
        return zero;
    text.push_back('e');
    text += std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return std::nullopt;
        return zero;
    }
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

SignificantDigits FifteenDigits(double finiteValue)
{
    SignificantDigits result {};
    result.negative = std::signbit(finiteValue);
    // Zero, which every empty box reads as, needs no digit generation: the window opens without it.
    if (finiteValue == 0) {
        std::fill_n(result.digits, 15, '0');
        result.pointPosition = 1;
        return result;
    }
    // to_chars rounds exactly, so the 15 digits are the correctly rounded decimal, not a float approximation.
    char text[32];
    const auto end
        = std::to_chars(text, text + sizeof text, std::fabs(finiteValue), std::chars_format::scientific, 14)
              .ptr;
    // text is d.dddddddddddddde[+-]x..
    result.digits[0] = text[0];
    std::copy(text + 2, text + 16, result.digits + 1);
    int exponent = 0;
    std::from_chars(text + 17 + (text[17] == '+' ? 1 : 0), end, exponent);
    result.pointPosition = exponent + 1;
    // Near the top of the range the nearest 15 digits, 1.79769313486232e308, lie beyond every double and
    // could not be read back; show the largest 15-digit number that still is one.
    constexpr std::string_view kBeyondMax = "179769313486232";
    if (result.pointPosition == 309 && std::string_view(result.digits, 15) == kBeyondMax)
        std::copy_n("179769313486231", 15, result.digits);
    return result;
}

} // namespace calc::detail
