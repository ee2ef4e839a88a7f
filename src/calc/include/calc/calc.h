// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The nutrition arithmetic: number texts, units, body mass index, weight range and energy expenditure.
// Standard C++ only; texts are UTF-8 and separators are strings, since real locales use multi-byte ones.
#include <optional>
#include <string>
#include <string_view>

namespace calc {

struct NumberSeparators
{
    std::string decimal = ".";
    std::string group = ",";
};

// nullopt only when the number is beyond a double
std::optional<double> ParseLeadingNumber(std::string_view text);
// A measurement as a box holds it: the leading number with "." or the locale's decimal separator as its
// point, blanks ignored, anything after it (a unit, "70 kg") left unread. nullopt when there is nothing to
// compute with: no number, zero, negative, beyond a double, or a number that a separator after it makes
// ambiguous ("1,000" or "72,5" where "," groups thousands), which is never read as a shorter one.
std::optional<double> ParseMeasurement(std::string_view text, const NumberSeparators &);
// Pasted text read as a number in the person's locale: digits, thousands grouped by the locale's
// separator, one decimal separator ("." or the locale's), blanks, and a unit after it. Gives the text the
// keyboard would have typed for it ("1,000 kg" gives 1000 in English, "1.000" gives 1000 and "72,5" stays
// in German), the empty text for blanks alone, and nullopt for anything else: signs, exponents,
// misplaced separators ("72,5" in English) or digits after the unit.
std::optional<std::string> TypedFormOfPaste(std::string_view text, const NumberSeparators &);
std::optional<double> ParseLocaleNumber(std::string_view text, const NumberSeparators &);
double FeetInchesToCm(double feet, double inches);
double LbsToKg(double lbs);
double KgToLbs(double kg);
// The layouts of written numbers, by the names that docs/calculation.md gives them.
enum class Pattern
{
    OneDecimal, // "0.0": the BMI
    WholeGrouped, // "0,0": at least two digits, thousands grouped: weight limits, DIT, TEE
    Whole // "0": the BMR
};
// An absent value formats as the empty text, whatever the pattern.
std::string FormatWithPattern(std::optional<double> value, Pattern, const NumberSeparators &);
std::string PlainNumberText(double value, const NumberSeparators &);

struct BodyMeasurements
{
    double weightKg = 0;
    double heightCm = 0;
};
// The measurements that the boxes hold, each absent where ParseMeasurement finds none. In English
// units the height is feet and inches, with absent inches counting as none, and the pounds are
// converted; a height or weight that the conversion takes beyond a double is absent too.
struct Measured
{
    std::optional<double> weightKg;
    std::optional<double> heightCm;
};
Measured MeasuredMetric(std::string_view kg, std::string_view cm, const NumberSeparators &);
Measured MeasuredEnglish(
    std::string_view lbs, std::string_view feet, std::string_view inches, const NumberSeparators &);
// Measurements beyond those of any adult ever recorded, which a person more likely mistyped.
struct AdultBounds
{
    double lowest;
    double highest;
};
inline constexpr AdultBounds kAdultWeightKg { 2, 650 };
inline constexpr AdultBounds kAdultHeightCm { 50, 280 };
struct Doubts
{
    bool weight = false;
    bool height = false;
    bool Any() const { return weight || height; }
};
Doubts DoubtfulMeasurements(const Measured &);
enum class BmiCategory
{
    ReducedWeight,
    NormalWeight,
    Overweight,
    Obesity,
    Unclassified // no BMI
};
std::optional<double> BodyMassIndex(const BodyMeasurements &);
// Needs both measurements.
std::optional<double> MeasuredBmi(const Measured &);
BmiCategory ClassifyBmi(std::optional<double> bmi);
struct WeightRange
{
    double lowerKg = 0;
    double upperKg = 0;
};
WeightRange AppropriateWeightRange(double heightCm);
std::string RangeTextKg(std::string_view lowerText, std::string_view upperText);
// A limit in pounds as shown, from its kilogram text as shown; nullopt when that text is no number.
std::optional<std::string> LimitTextLbs(std::string_view kgText, const NumberSeparators &);
std::optional<std::string> RangeTextLbs(
    std::string_view lowerText, std::string_view upperText, const NumberSeparators &);
// The scale indicator starts at BMI 12 with 300 twips per unit; past 36 it takes its full laid-out width.
inline constexpr double kScaleOrigin = 12;
inline constexpr double kScaleEnd = 36;
inline constexpr double kScaleTwipsPerUnit = 300;
inline constexpr float kScaleFullWidth = 7245; // twips
float ScaleBarWidth(std::optional<double> shownBmi); // twips; 0 without a BMI

enum class AgeGroup
{
    Age18To29,
    Age30To59,
    Age60AndOver
};
enum class Sex
{
    Male,
    Female
};
enum class Intensity
{
    Weak,
    Moderate,
    High
};
// A step that fails (a result beyond a double) gives nullopt, as every step here does.
std::optional<double> BasalMetabolicRate(AgeGroup, Sex, const BodyMeasurements &);
// nullopt without a measurement that the equation of the group uses (those for 60 and over use the
// weight alone).
std::optional<double> MeasuredBmr(AgeGroup, Sex, const Measured &);
double PhysicalActivityLevel(Sex, Intensity outsideWork, Intensity atWork);
std::optional<double> DietInducedThermogenesis(double bmr, double pal);
std::optional<double> TotalEnergyExpenditure(double bmr, double pal, double dit);

// DIT and TEE as the window writes them, from the BMR and PAL texts it wrote before: each step reads
// the text of the step before, so the rounding of that text feeds the next result. A text that does
// not read back leaves the steps after it empty.
struct EnergyTexts
{
    std::string dit;
    std::string tee;
};
EnergyTexts EnergyFromTexts(std::string_view bmrText, std::string_view palText, const NumberSeparators &);

} // namespace calc
