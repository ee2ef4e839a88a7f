// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Decimal digit strings to and from doubles, shared by the number parsers and formatters.
#include <cstdint>
#include <optional>
#include <string>

namespace calc::detail {

// Collects the digits of a decimal number as they are read, keeping only as many as a correctly rounded
// conversion can need, so that a megabyte of digits costs one pass and bounded memory.
class DecimalAccumulator
{
public:
    void AddIntegerDigit(int digit);
    void AddFractionDigit(int digit);
    void AddExponent(std::int64_t exponent);
    bool HasDigits() const { return m_sawDigit; }
    // nullopt when the magnitude is beyond a double; values too small for one become zero.
    std::optional<double> ToDouble(bool negative) const;

private:
    void Keep(int digit);

    std::string m_digits; // significant digits, no leading zeros
    std::int64_t m_exponent = 0; // value = m_digits x 10^m_exponent
    bool m_sticky = false; // a dropped digit was not zero
    bool m_sawDigit = false;
};

// The value rounded to 15 significant digits: |value| = 0.d1d2...d15 x 10^pointPosition.
struct SignificantDigits
{
    char digits[15];
    int pointPosition;
    bool negative;
};
SignificantDigits FifteenDigits(double finiteValue);

} // namespace calc::detail
