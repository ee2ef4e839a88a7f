// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Basal metabolic rate, physical activity level, diet-induced thermogenesis and total energy expenditure.
#include <array>
#include <cmath>

#include "calc/calc.h"

namespace calc {

namespace {

struct BmrEquation
{
    double weightFactor;
    std::optional<double> heightFactor; // per metre; the equations for 60 and over have none
    double constant;
};

// Rows by sex, columns by age group.
constexpr std::array<std::array<BmrEquation, 3>, 2> kBmrEquations { {
    { { { 15.06, 10.04, 705 }, { 11.47, 2.629, 877 }, { 13.5, std::nullopt, 487 } } },
    { { { 13.62, 283, 98 }, { 8.126, 4.434, 843 }, { 10.5, std::nullopt, 596 } } },
} };

// Male then female; outside work by rows, at work by columns, both Weak, Moderate, High.
constexpr std::array<std::array<std::array<double, 3>, 3>, 2> kActivityLevels { {
    { { { 1.4, 1.6, 1.7 }, { 1.5, 1.7, 1.8 }, { 1.6, 1.8, 1.9 } } },
    { { { 1.4, 1.5, 1.6 }, { 1.5, 1.6, 1.7 }, { 1.6, 1.7, 1.8 } } },
} };

const BmrEquation &EquationOf(AgeGroup age, Sex sex)
{
    return kBmrEquations[static_cast<std::size_t>(sex)][static_cast<std::size_t>(age)];
}

} // namespace

std::optional<double> BasalMetabolicRate(AgeGroup age, Sex sex, const BodyMeasurements &body)
{
    const BmrEquation &equation = EquationOf(age, sex);
    // Strictly left to right: weight term, height term divided by 100, their sum, then the constant.
    double bmr = equation.weightFactor * body.weightKg;
    if (equation.heightFactor)
        bmr = bmr + *equation.heightFactor * body.heightCm / 100;
    bmr = bmr + equation.constant;
    if (!std::isfinite(bmr))
        return std::nullopt;
    return bmr;
}

std::optional<double> MeasuredBmr(AgeGroup age, Sex sex, const Measured &measured)
{
    if (!measured.weightKg || (EquationOf(age, sex).heightFactor && !measured.heightCm))
        return std::nullopt;
    return BasalMetabolicRate(
        age, sex, BodyMeasurements { *measured.weightKg, measured.heightCm.value_or(0) });
}

double PhysicalActivityLevel(Sex sex, Intensity outsideWork, Intensity atWork)
{
    return kActivityLevels[static_cast<std::size_t>(sex)][static_cast<std::size_t>(outsideWork)]
                          [static_cast<std::size_t>(atWork)];
}

std::optional<double> DietInducedThermogenesis(double bmr, double pal)
{
    const double dit = (bmr * 0.1) * pal;
    return std::isfinite(dit) ? std::optional<double>(dit) : std::nullopt;
}

std::optional<double> TotalEnergyExpenditure(double bmr, double pal, double dit)
{
    const double tee = bmr * pal + dit;
    return std::isfinite(tee) ? std::optional<double>(tee) : std::nullopt;
}

EnergyTexts EnergyFromTexts(
    std::string_view bmrText, std::string_view palText, const NumberSeparators &separators)
{
    const std::optional<double> bmr = ParseLocaleNumber(bmrText, separators);
    const std::optional<double> pal = ParseLocaleNumber(palText, separators);
    if (!bmr || !pal)
        return {};
    EnergyTexts texts;
    texts.dit = FormatWithPattern(DietInducedThermogenesis(*bmr, *pal), Pattern::WholeGrouped, separators);
    if (const auto dit = ParseLocaleNumber(texts.dit, separators))
        texts.tee
            = FormatWithPattern(TotalEnergyExpenditure(*bmr, *pal, *dit), Pattern::WholeGrouped, separators);
    return texts;
}

} // namespace calc
