// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the fuzz targets: the separator pairs of real locales and an independent reference
// reader.
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calc.h"

namespace fuzz {

inline const std::array<calc::NumberSeparators, 4> kSeparators { {
    { ".", "," },
    { ",", "." },
    { ",", "\u202F" },
    { ".", "'" },
} };

// Reads a text in the locale's forms by stripping blanks and group separators and handing the rest to
// std::from_chars; nullopt when from_chars refuses or is out of range.
inline std::optional<double> ReferenceRead(std::string_view text, const calc::NumberSeparators &separators)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (!separators.group.empty() && text.substr(i, separators.group.size()) == separators.group) {
            i += separators.group.size();
        } else if (!separators.decimal.empty()
            && text.substr(i, separators.decimal.size()) == separators.decimal) {
            plain += '.';
            i += separators.decimal.size();
        } else if (text[i] != ' ' && text[i] != '\t') {
            plain += text[i++];
        } else {
            ++i;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

[[noreturn]] inline void Fail(const char *what, std::string_view text)
{
    std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

} // namespace fuzz
