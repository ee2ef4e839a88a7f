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

template <std::size_t N>
std::optional<std::size_t> IndexOf(const std::array<std::string_view, N> &names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name)
            return i;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> BasalMetabolicRate(AgeGroup age, Sex sex, const BodyMeasurements &body)
{
    const BmrEquation &equation = kBmrEquations[static_cast<std::size_t>(sex)][static_cast<std::size_t>(age)];
    // Strictly left to right: weight term, height term divided by 100, their sum, then the constant.
    double bmr = equation.weightFactor * body.weightKg;
    if (equation.heightFactor)
        bmr = bmr + *equation.heightFactor * body.heightCm / 100;
    bmr = bmr + equation.constant;
    if (!std::isfinite(bmr))
        return std::nullopt;
    return bmr;
}

std::optional<double> PhysicalActivityLevel(
    std::string_view sex, std::string_view outsideWork, std::string_view atWork)
{
    constexpr std::array<std::string_view, 2> kSexes { "Male", "Female" };
    constexpr std::array<std::string_view, 3> kIntensities { "Weak", "Moderate", "High" };
    const auto sexIndex = IndexOf(kSexes, sex);
    const auto outsideIndex = IndexOf(kIntensities, outsideWork);
    const auto workIndex = IndexOf(kIntensities, atWork);
    if (!sexIndex || !outsideIndex || !workIndex)
        return std::nullopt;
    return kActivityLevels[*sexIndex][*outsideIndex][*workIndex];
}

double DietInducedThermogenesis(double bmr, double pal)
{
    return (bmr * 0.1) * pal;
}

double TotalEnergyExpenditure(double bmr, double pal, double dit)
{
    return bmr * pal + dit;
}

} // namespace calc
