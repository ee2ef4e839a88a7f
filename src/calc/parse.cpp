// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Reading numbers: the lenient reader of the measurement inputs and the strict one of result texts.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "calc/calc.h"
#include "decimal.h"

namespace calc {

namespace {

constexpr bool IsInputBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks a text while skipping the blanks that the input reader ignores everywhere.
class BlankSkippingCursor
{
public:
    explicit BlankSkippingCursor(std::string_view text)
        : m_text(text)
    {
        SkipBlanks();
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    void Advance(std::size_t characters = 1)
    {
        m_pos += characters;
        SkipBlanks();
    }
    bool StartsWith(std::string_view prefix) const
    {
        return !prefix.empty() && m_text.substr(std::min(m_pos, m_text.size()), prefix.size()) == prefix;
    }

private:
    void SkipBlanks()
    {
        while (m_pos < m_text.size() && IsInputBlank(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A whole number in base 8 or 16, of any length: the leading 64 significant bits are kept and the rest only
// counted, which is enough to round to a double once.
std::optional<double> ReadRadixNumber(BlankSkippingCursor &cursor, int bitsPerDigit)
{
    const int radix = 1 << bitsPerDigit;
    std::uint64_t top = 0;
    int topBits = 0;
    std::int64_t droppedBits = 0;
    bool sticky = false;
    for (;; cursor.Advance()) {
        const int digit = HexDigitValue(cursor.Peek());
        if (digit < 0 || digit >= radix)
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            const unsigned value = (static_cast<unsigned>(digit) >> bit) & 1u;
            if (topBits == 0 && value == 0)
                continue;
            if (topBits < 64) {
                top = (top << 1) | value;
                ++topBits;
            } else {
                sticky = sticky || value != 0;
                droppedBits = std::min<std::int64_t>(droppedBits + 1, 1 << 20);
            }
        }
    }
    if (droppedBits == 0 && topBits <= 32) {
        // Texts that fit in 16 or 32 bits are two's complement integers of that width.
        const auto value = static_cast<std::int64_t>(top);
        if (topBits <= 16)
            return static_cast<double>(value >= 0x8000 ? value - 0x10000 : value);
        return static_cast<double>(value >= 0x80000000 ? value - 0x100000000 : value);
    }
    if (droppedBits == 0 && topBits <= 53)
        return static_cast<double>(top);
    // Round the top bits to the 53 of a double, halves to even, with the dropped bits as sticky.
    const int shift = topBits - 53;
    std::uint64_t mantissa = top >> shift;
    const std::uint64_t rest = top & ((std::uint64_t { 1 } << shift) - 1);
    const std::uint64_t half = std::uint64_t { 1 } << (shift - 1);
    if (rest > half || (rest == half && (sticky || (mantissa & 1u) != 0)))
        ++mantissa;
    if (droppedBits + shift > 1100)
        return std::nullopt;
    const double value = std::ldexp(static_cast<double>(mantissa), static_cast<int>(droppedBits + shift));
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// The leading number of a text, with "." and, where given, a second separator as its decimal point.
// Leaves the cursor after the number.
std::optional<double> ReadLeadingNumber(BlankSkippingCursor &cursor, std::string_view otherPoint)
{
    if (cursor.Peek() == '&') {
        cursor.Advance();
        const char kind = cursor.Peek();
        if (kind == 'H' || kind == 'h') {
            cursor.Advance();
            return ReadRadixNumber(cursor, 4);
        }
        if (kind == 'O' || kind == 'o') {
            cursor.Advance();
            return ReadRadixNumber(cursor, 3);
        }
        return 0.0;
    }

    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    detail::DecimalAccumulator number;
    for (; IsDigit(cursor.Peek()); cursor.Advance())
        number.AddIntegerDigit(cursor.Peek() - '0');
    const std::size_t point = cursor.Peek() == '.' ? 1
        : cursor.StartsWith(otherPoint)            ? otherPoint.size()
                                                   : 0;
    if (point > 0) {
        cursor.Advance(point);
        for (; IsDigit(cursor.Peek()); cursor.Advance())
            number.AddFractionDigit(cursor.Peek() - '0');
    }
    if (!number.HasDigits())
        return 0.0;

    const char letter = cursor.Peek();
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        cursor.Advance();
        bool exponentNegative = false;
        if (cursor.Peek() == '+' || cursor.Peek() == '-') {
            exponentNegative = cursor.Peek() == '-';
            cursor.Advance();
        }
        // Saturates: an exponent this large already puts any mantissa beyond or below a double.
        std::int64_t exponent = 0;
        for (; IsDigit(cursor.Peek()); cursor.Advance())
            exponent = std::min<std::int64_t>(exponent * 10 + (cursor.Peek() - '0'), 1'000'000'000);
        number.AddExponent(exponentNegative ? -exponent : exponent);
    }
    return number.ToDouble(negative);
}

// Blanks as people paste them, the no-break spaces that some locales group thousands with included.
std::size_t PastedBlankAt(std::string_view text)
{
    if (!text.empty() && IsInputBlank(text.front()))
        return 1;
    for (std::string_view blank : { "\r", "\u00a0", "\u202f" }) {
        if (text.substr(0, blank.size()) == blank)
            return blank.size();
    }
    return 0;
}

} // namespace

std::optional<double> ParseLeadingNumber(std::string_view text)
{
    BlankSkippingCursor cursor(text);
    return ReadLeadingNumber(cursor, {});
}

std::optional<double> ParseMeasurement(std::string_view text, const NumberSeparators &separators)
{
    BlankSkippingCursor cursor(text);
    const std::optional<double> value = ReadLeadingNumber(cursor, separators.decimal);
    if (!value || !(*value > 0))
        return std::nullopt;
    for (std::string_view separator :
        { std::string_view("."), std::string_view(separators.decimal), std::string_view(separators.group) }) {
        if (cursor.StartsWith(separator)) {
            cursor.Advance(separator.size());
            if (IsDigit(cursor.Peek()))
                return std::nullopt;
            break;
        }
    }
    return value;
}

std::optional<std::string> TypedFormOfPaste(std::string_view text, const NumberSeparators &separators)
{
    // The number as runs of digits and the separators between them; blanks join digits.
    enum class Mark
    {
        Group,
        Point, // "."
        Decimal // the locale's own decimal separator
    };
    std::vector<std::string> runs(1);
    std::vector<Mark> marks;
    const auto startsWith = [&text](std::string_view prefix) {
        return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
    };
    while (!text.empty()) {
        if (const std::size_t blank = PastedBlankAt(text)) {
            text.remove_prefix(blank);
            continue;
        }
        std::optional<Mark> mark;
        std::size_t length = 1;
        if (IsDigit(text.front())) {
            runs.back().push_back(text.front());
        } else if (startsWith(separators.decimal)) {
            mark = separators.decimal == "." ? Mark::Point : Mark::Decimal;
            length = separators.decimal.size();
        } else if (startsWith(separators.group)) {
            mark = Mark::Group;
            length = separators.group.size();
        } else if (text.front() == '.') {
            mark = Mark::Point;
        } else {
            break;
        }
        if (mark) {
            marks.push_back(*mark);
            runs.emplace_back();
        }
        text.remove_prefix(length);
    }
    // After the number only a unit may follow: "kg", "cm".
    if (std::any_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    if (marks.empty() && runs.front().empty())
        return text.empty() ? std::optional<std::string>(std::string()) : std::nullopt;

    // The locale's reading: whole digits grouped by threes after a first group of one to three, then
    // at most one decimal separator with the fraction.
    const auto read = [&](bool pointGroups) -> std::optional<std::string> {
        std::string typed;
        std::size_t mark = 0;
        for (; mark < marks.size(); ++mark) {
            const bool groups = marks[mark] == Mark::Group && (separators.group != "." || pointGroups);
            if (!groups)
                break;
            const std::size_t first = runs[mark].size();
            if ((mark == 0 && (first == 0 || first > 3)) || runs[mark + 1].size() != 3)
                return std::nullopt;
        }
        for (std::size_t run = 0; run <= mark; ++run)
            typed += runs[run];
        if (mark < marks.size()) {
            if (marks.size() - mark > 1 || (marks[mark] == Mark::Group && separators.group != "."))
                return std::nullopt;
            typed += marks[mark] == Mark::Decimal ? separators.decimal : std::string(".");
            typed += runs[mark + 1];
        }
        if (typed.find_first_of("0123456789") == std::string::npos)
            return std::nullopt;
        return typed;
    };
    // Where "." groups thousands, a point that cannot group is the decimal point that a person types.
    if (auto typed = read(true))
        return typed;
    return separators.group == "." ? read(false) : std::nullopt;
}

std::optional<double> ParseLocaleNumber(std::string_view text, const NumberSeparators &separators)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    const std::string_view decimal = separators.decimal;
    const std::string_view group = separators.group;
    const auto startsWith = [&text](std::string_view prefix) {
        return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
    };

    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);

    // Whole part: digits, grouped by threes after the first group when separators appear at all.
    detail::DecimalAccumulator number;
    std::size_t groupLength = 0;
    bool grouped = false;
    while (!text.empty()) {
        if (IsDigit(text.front())) {
            number.AddIntegerDigit(text.front() - '0');
            ++groupLength;
            text.remove_prefix(1);
        } else if (startsWith(decimal)) {
            break;
        } else if (startsWith(group)) {
            if (groupLength == 0 || groupLength > 3 || (grouped && groupLength != 3))
                return std::nullopt;
            grouped = true;
            groupLength = 0;
            text.remove_prefix(group.size());
        } else {
            return std::nullopt;
        }
    }
    if (groupLength == 0 || (grouped && groupLength != 3))
        return std::nullopt;

    if (startsWith(decimal)) {
        text.remove_prefix(decimal.size());
        if (text.empty())
            return std::nullopt;
        for (; !text.empty(); text.remove_prefix(1)) {
            if (!IsDigit(text.front()))
                return std::nullopt;
            number.AddFractionDigit(text.front() - '0');
        }
    }
    return number.ToDouble(negative);
}

} // namespace calc
