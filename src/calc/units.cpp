// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Conversions between English and metric units.
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

} // namespace calc
