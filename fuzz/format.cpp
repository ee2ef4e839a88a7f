// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// FormatWithPattern and PlainNumberText on arbitrary doubles, from raw bits or from a parsed text: every
// text reads back with ParseLocaleNumber as the number it shows, and writing that number again gives the
// same text.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "calc/calc.h"
#include "fuzz_support.h"

namespace {

constexpr calc::Pattern kPatterns[]
    = { calc::Pattern::OneDecimal, calc::Pattern::WholeGrouped, calc::Pattern::Whole };

void CheckRoundTrip(const std::string &text, const calc::NumberSeparators &separators,
    std::optional<double> rewritten, const std::string &again)
{
    if (!rewritten)
        fuzz::Fail("written text does not read back", text);
    const auto reference = fuzz::ReferenceRead(text, separators);
    if (!reference || *reference != *rewritten)
        fuzz::Fail("read back differs from the digits shown", text);
    if (again != text)
        fuzz::Fail("writing the read-back value changed the text", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto &separators = fuzz::kSeparators[data[0] % fuzz::kSeparators.size()];
    const calc::Pattern pattern = kPatterns[(data[0] >> 2) % 3];
    double value = 0;
    if (size == 9) {
        std::memcpy(&value, data + 1, sizeof value);
    } else {
        const auto parsed
            = calc::ParseLeadingNumber(std::string_view(reinterpret_cast<const char *>(data) + 1, size - 1));
        if (!parsed)
            return 0;
        value = *parsed;
    }
    if (!std::isfinite(value)) {
        if (!calc::FormatWithPattern(value, pattern, separators).empty())
            fuzz::Fail("non-finite value gave a text", "");
        return 0;
    }

    const std::string shown = calc::FormatWithPattern(value, pattern, separators);
    const auto shownValue = calc::ParseLocaleNumber(shown, separators);
    CheckRoundTrip(shown, separators, shownValue,
        shownValue ? calc::FormatWithPattern(*shownValue, pattern, separators) : std::string());

    const std::string plain = calc::PlainNumberText(value, separators);
    const auto plainValue = calc::ParseLocaleNumber(plain, separators);
    CheckRoundTrip(plain, separators, plainValue,
        plainValue ? calc::PlainNumberText(*plainValue, separators) : std::string());
    // The plain text is the value at 15 significant digits, except where those are beyond a double.
    char digits[32];
    const auto end
        = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 14).ptr;
    double fifteen = 0;
    if (std::from_chars(digits, end, fifteen).ec == std::errc::result_out_of_range)
        fifteen = std::copysign(1.79769313486231e308, value);
    if (fifteen != *plainValue)
        fuzz::Fail("plain text is not the value at 15 digits", plain);
    return 0;
}
