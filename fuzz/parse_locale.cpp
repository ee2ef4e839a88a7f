// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// ParseLocaleNumber on arbitrary bytes in each locale: never crashes, and whatever it accepts reads as
// std::from_chars reads the same digits.
#include <cmath>
#include <cstdint>

#include "calc/calc.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto &separators = fuzz::kSeparators[data[0] % fuzz::kSeparators.size()];
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
    const auto value = calc::ParseLocaleNumber(text, separators);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        fuzz::Fail("non-finite result", text);
    const auto reference = fuzz::ReferenceRead(text, separators);
    if (reference ? *reference != *value : *value != 0)
        fuzz::Fail("accepted text reads differently", text);
    return 0;
}
