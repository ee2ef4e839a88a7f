// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Body mass index, its category, the appropriate weight range and the scale indicator.
#include <cmath>

#include "calc/calc.h"

namespace calc {

std::optional<double> BodyMassIndex(const BodyMeasurements &body)
{
    // This order of steps fixes the last bit of the result, and with it the category at the bounds.
    const double q1 = body.heightCm / 100;
    const double q2 = q1 * body.heightCm;
    const double q3 = q2 / 100;
    if (q3 == 0 || !std::isfinite(q1) || !std::isfinite(q2) || !std::isfinite(q3))
        return std::nullopt;
    const double bmi = body.weightKg / q3;
    if (!std::isfinite(bmi))
        return std::nullopt;
    return bmi;
}

std::optional<double> MeasuredBmi(const Measured &measured)
{
    if (!measured.weightKg || !measured.heightCm)
        return std::nullopt;
    return BodyMassIndex(BodyMeasurements { *measured.weightKg, *measured.heightCm });
}

BmiCategory ClassifyBmi(std::optional<double> bmi)
{
    // Without a BMI there is nothing to classify: counting it as 0 would diagnose malnutrition.
    if (!bmi || std::isnan(*bmi))
        return BmiCategory::Unclassified;
    if (*bmi < 18.5)
        return BmiCategory::ReducedWeight;
    if (*bmi <= 25)
        return BmiCategory::NormalWeight;
    if (*bmi < 30)
        return BmiCategory::Overweight;
    // Obesity starts at 30 itself (WHO class I is 30.0 to 34.9).
    return BmiCategory::Obesity;
}

WeightRange AppropriateWeightRange(double heightCm)
{
    return { (18.5 * (heightCm / 100)) * (heightCm / 100), (24.9 * (heightCm / 100)) * (heightCm / 100) };
}

std::string RangeTextKg(std::string_view lowerText, std::string_view upperText)
{
    std::string text(lowerText);
    text += " - ";
    text += upperText;
    return text;
}

std::optional<std::string> LimitTextLbs(std::string_view kgText, const NumberSeparators &separators)
{
    // Pounds come from the kilograms as shown, not from the exact limits.
    const auto kg = ParseLocaleNumber(kgText, separators);
    if (!kg)
        return std::nullopt;
    return FormatWithPattern(KgToLbs(*kg), Pattern::WholeGrouped, separators);
}

std::optional<std::string> RangeTextLbs(
    std::string_view lowerText, std::string_view upperText, const NumberSeparators &separators)
{
    const auto lower = LimitTextLbs(lowerText, separators);
    const auto upper = LimitTextLbs(upperText, separators);
    if (!lower || !upper)
        return std::nullopt;
    return RangeTextKg(*lower, *upper);
}

float ScaleBarWidth(std::optional<double> shownBmi)
{
    // No BMI to show leaves the scale empty.
    if (!shownBmi || std::isnan(*shownBmi) || *shownBmi < kScaleOrigin)
        return 0;
    if (*shownBmi > kScaleEnd)
        return kScaleFullWidth;
    return static_cast<float>((*shownBmi - kScaleOrigin) * kScaleTwipsPerUnit);
}

} // namespace calc
