// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// How the main window's results look: every colour, picture and font size that it writes at run time.
#include <array>

#include <QColor>
#include <QtGlobal>

#include "calc/calc.h"

namespace looks {

enum class Picture
{
    Warning,
    Approval
};

// What each category shows: the message and its colour, the bar colours from bottom to top
// (Label49, Label50, Label51) and the picture beside the message; and how screen readers say it. The
// texts are marked for translation and translated where they show (platform::Tr).
struct CategoryLook
{
    calc::BmiCategory category;
    const char *spoken;
    const char *message;
    QColor messageColour;
    std::array<QColor, 3> bars;
    Picture picture;
};

inline const QColor kDarkRed(192, 0, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kPaleRed(255, 128, 128);

// The messages are the program's own texts, "rang" included.
inline const std::array<CategoryLook, 4> kCategoryLooks { {
    { calc::BmiCategory::ReducedWeight,
        //: Spoken weight category after the BMI ("BMI 17.2, reduced weight"), also read on the BMI scale.
        QT_TRANSLATE_NOOP("Somatra", "reduced weight"),
        //: Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.
        QT_TRANSLATE_NOOP("Somatra", "BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)"), kRed,
        { kDarkRed, kRed, kPaleRed }, Picture::Warning },
    { calc::BmiCategory::NormalWeight,
        //: Spoken weight category after the BMI ("BMI 22.9, normal weight"), also read on the BMI scale.
        QT_TRANSLATE_NOOP("Somatra", "normal weight"),
        //: Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.
        QT_TRANSLATE_NOOP("Somatra", "BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)"),
        QColor(0, 192, 0), { QColor(0, 128, 0), QColor(0, 255, 0), QColor(128, 255, 128) },
        Picture::Approval },
    { calc::BmiCategory::Overweight,
        //: Spoken weight category after the BMI ("BMI 27.1, overweight"), also read on the BMI scale.
        QT_TRANSLATE_NOOP("Somatra", "overweight"),
        //: Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.
        QT_TRANSLATE_NOOP("Somatra", "BMI is in the rang from 25 to 30 kg/m2 (overweight)"), kRed,
        { kDarkRed, kRed, kPaleRed }, Picture::Warning },
    { calc::BmiCategory::Obesity,
        //: Spoken weight category after the BMI ("BMI 32.7, obesity"), also read on the BMI scale.
        QT_TRANSLATE_NOOP("Somatra", "obesity"),
        //: Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.
        QT_TRANSLATE_NOOP("Somatra", "BMI is greater than 30 kg/m2 (obesity)"), kDarkRed,
        { kDarkRed, kRed, kPaleRed }, Picture::Warning },
} };

// What shows instead of the category when a measurement is beyond any adult's, and so more likely
// mistyped than true: which one to check, in the warning's look.
inline const std::array<CategoryLook, 3> kDoubtLooks { {
    { calc::BmiCategory::Unclassified,
        //: Spoken after the BMI in place of its category ("BMI 326.5, please check the weight"): the
        //: weight is below or above that of any adult ever recorded.
        QT_TRANSLATE_NOOP("Somatra", "please check the weight"),
        //: Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken
        //: only at spaces. The weight is below or above that of any adult ever recorded.
        QT_TRANSLATE_NOOP("Somatra", "Please check the weight: no adult has ever weighed that"), kRed,
        { kDarkRed, kRed, kPaleRed }, Picture::Warning },
    { calc::BmiCategory::Unclassified,
        //: Spoken after the BMI in place of its category: the height is below or above that of any
        //: adult ever recorded.
        QT_TRANSLATE_NOOP("Somatra", "please check the height"),
        //: Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken
        //: only at spaces. The height is below or above that of any adult ever recorded.
        QT_TRANSLATE_NOOP("Somatra", "Please check the height: no adult has ever measured that"), kRed,
        { kDarkRed, kRed, kPaleRed }, Picture::Warning },
    { calc::BmiCategory::Unclassified,
        //: Spoken after the BMI in place of its category: weight and height are both beyond those of
        //: any adult ever recorded.
        QT_TRANSLATE_NOOP("Somatra", "please check weight and height"),
        //: Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken
        //: only at spaces. Weight and height are both beyond those of any adult ever recorded.
        QT_TRANSLATE_NOOP("Somatra", "Please check weight and height: no adult has ever measured those"),
        kRed, { kDarkRed, kRed, kPaleRed }, Picture::Warning },
} };

inline const CategoryLook *DoubtLookOf(calc::Doubts doubts)
{
    if (!doubts.Any())
        return nullptr;
    return &kDoubtLooks[doubts.weight && doubts.height ? 2 : doubts.weight ? 0 : 1];
}

// The look of a category; none without a BMI.
inline const CategoryLook *LookOf(calc::BmiCategory category)
{
    for (const CategoryLook &look : kCategoryLooks) {
        if (look.category == category)
            return &look;
    }
    return nullptr;
}

// The category message is bold in this size.
inline constexpr int kMessagePointSize = 10;

// The result boxes: background, bold text in its colour and size.
struct BoxStyle
{
    QColor back;
    QColor text;
    int pointSize;
};
inline const BoxStyle kBmiBox { QColor(0, 0, 0), QColor(0, 255, 0), 14 };
inline const BoxStyle kEnergyStepBox { QColor(0, 0, 0), QColor(0, 255, 0), 11 }; // BMR, PAL, DIT
inline const BoxStyle kTeeBox { QColor(0, 0, 255), QColor(255, 255, 0), 14 };
// The hidden weight limits: bold blue text on their design background.
inline const QColor kLimitText(0, 0, 255);

} // namespace looks
