// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Writing numbers: the fixed patterns of the result boxes and the plain form.
#include <algorithm>
#include <cmath>

#include "calc/calc.h"
#include "decimal.h"

namespace calc {

namespace {

struct PatternLayout
{
    std::size_t minWholeDigits = 0;
    std::size_t decimals = 0;
    bool grouping = false;
};

// "0.0", "0,0" and "0": the whole digits at least, the decimals, and whether thousands are grouped.
constexpr PatternLayout LayoutOf(Pattern pattern)
{
    switch (pattern) {
    case Pattern::OneDecimal:
        return { 1, 1, false };
    case Pattern::WholeGrouped:
        return { 2, 0, true };
    case Pattern::Whole:
        break;
    }
    return { 1, 0, false };
}

// Digits of round(|value| x 10^decimals) after the reduction to 15 significant digits, halves away from zero.
std::string ScaledDigits(const detail::SignificantDigits &number, std::size_t decimals)
{
    const long long kept = static_cast<long long>(number.pointPosition) + static_cast<long long>(decimals);
    if (kept >= 15) {
        std::string digits(number.digits, 15);
        digits.append(static_cast<std::size_t>(kept - 15), '0');
        return digits;
    }
    if (kept < 0)
        return "0";
    std::string digits(number.digits, static_cast<std::size_t>(kept));
    if (number.digits[kept] >= '5') {
        auto it = digits.rbegin();
        for (; it != digits.rend() && *it == '9'; ++it)
            *it = '0';
        if (it == digits.rend())
            digits.insert(digits.begin(), '1');
        else
            ++*it;
    }
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::string Grouped(const std::string &digits, const std::string &separator)
{
    std::string text;
    text.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text.push_back(digits[i]);
    }
    return text;
}

} // namespace

std::string FormatWithPattern(
    std::optional<double> value, Pattern pattern, const NumberSeparators &separators)
{
    // Non-finite results are failed computations, so they read as absent too.
    if (!value || !std::isfinite(*value))
        return {};
    const PatternLayout layout = LayoutOf(pattern);
    const detail::SignificantDigits number = detail::FifteenDigits(*value);
    std::string digits = ScaledDigits(number, layout.decimals);

    const std::size_t wanted = layout.minWholeDigits + layout.decimals;
    if (digits.size() < wanted)
        digits.insert(0, wanted - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - layout.decimals);

    std::string text;
    // A value that rounds to zero shows no sign: "-0.0" would claim a sign the shown number does not have.
    if (number.negative && digits.find_first_not_of('0') != std::string::npos)
        text.push_back('-');
    text += layout.grouping ? Grouped(whole, separators.group) : whole;
    if (layout.decimals > 0) {
        text += separators.decimal;
        text.append(digits, whole.size(), std::string::npos);
    }
    return text;
}

std::string PlainNumberText(double value, const NumberSeparators &separators)
{
    if (!std::isfinite(value))
        return {};
    const detail::SignificantDigits number = detail::FifteenDigits(value);
    std::string_view digits(number.digits, 15);
    digits = digits.substr(0, digits.find_last_not_of('0') + 1);
    if (digits.empty())
        return "0";

    std::string text;
    if (number.negative)
        text.push_back('-');
    const int point = number.pointPosition;
    if (point <= 0) {
        text += '0';
        text += separators.decimal;
        text.append(static_cast<std::size_t>(-point), '0');
        text += digits;
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        text += digits;
        text.append(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(point));
        text += separators.decimal;
        text += digits.substr(static_cast<std::size_t>(point));
    }
    return text;
}

} // namespace calc
