// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Conversions between English and metric units, and the measurements that the boxes hold.
#include <cmath>

#include "calc/calc.h"

namespace calc {

namespace {
constexpr double kCmPerFoot = 30.48;
constexpr double kCmPerInch = 2.54;
// Not the exact 0.45359237: shown pounds follow from this factor.
constexpr double kKgPerLb = 0.454;
} // namespace

double FeetInchesToCm(double feet, double inches)
{
    return feet * kCmPerFoot + inches * kCmPerInch;
}
double LbsToKg(double lbs)
{
    return lbs * kKgPerLb;
}
double KgToLbs(double kg)
{
    return kg / kKgPerLb;
}

namespace {
std::optional<double> Usable(double value)
{
    return std::isfinite(value) && value > 0 ? std::optional<double>(value) : std::nullopt;
}
bool Outside(std::optional<double> value, AdultBounds bounds)
{
    return value && (*value < bounds.lowest || *value > bounds.highest);
}
} // namespace

Measured MeasuredMetric(std::string_view kg, std::string_view cm, const NumberSeparators &separators)
{
    return { ParseMeasurement(kg, separators), ParseMeasurement(cm, separators) };
}

Measured MeasuredEnglish(
    std::string_view lbs, std::string_view feet, std::string_view inches, const NumberSeparators &separators)
{
    Measured measured;
    if (const auto pounds = ParseMeasurement(lbs, separators))
        measured.weightKg = Usable(LbsToKg(*pounds));
    // 69 inches without feet are a height too.
    measured.heightCm = Usable(FeetInchesToCm(
        ParseMeasurement(feet, separators).value_or(0), ParseMeasurement(inches, separators).value_or(0)));
    return measured;
}

Doubts DoubtfulMeasurements(const Measured &measured)
{
    return { Outside(measured.weightKg, kAdultWeightKg), Outside(measured.heightCm, kAdultHeightCm) };
}

} // namespace calc
