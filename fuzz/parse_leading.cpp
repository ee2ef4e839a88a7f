// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// ParseLeadingNumber on arbitrary bytes: never crashes, ignores blanks anywhere, and agrees with
// std::from_chars on plain decimal texts.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "calc/calc.h"
#include "fuzz_support.h"

namespace {

bool SameValue(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return !a && !b;
    return std::memcmp(&*a, &*b, sizeof(double)) == 0;
}

// [+-]?digits(.digits)?([eE][+-]?digits)? and nothing else.
bool IsPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (!digits())
        return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits())
            return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!digits())
            return false;
    }
    return i == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto value = calc::ParseLeadingNumber(text);
    if (value && !std::isfinite(*value))
        fuzz::Fail("non-finite result", text);

    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    }
    if (!SameValue(value, calc::ParseLeadingNumber(compact)))
        fuzz::Fail("blanks changed the value", text);

    if (IsPlainDecimal(compact)) {
        const std::string_view unsigned_ = compact[0] == '+' ? std::string_view(compact).substr(1) : compact;
        double reference = 0;
        const auto [end, error]
            = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), reference);
        (void)end;
        if (error == std::errc()) {
            if (!SameValue(value, reference))
                fuzz::Fail("differs from from_chars", text);
        } else if (value && *value != 0) {
            fuzz::Fail("out-of-range text gave a nonzero value", text);
        }
    }
    return 0;
}
