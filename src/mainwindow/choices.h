// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The choices a person makes with the options: the hidden list that records each one, the text it
// records there, and what the arithmetic takes for it. The only place these facts are stated.
#include <array>
#include <optional>
#include <variant>

#include "calc/calc.h"
#include "ui_form1.h"

namespace choices {

// The examples of occupations for an intensity of activity at work; the program's own texts,
// "salesman ," and "roofers,hunters" included. The examples show translated; the hidden carriers
// (Label31, Text10) record the heading and the examples as they are.
struct WorkActivity
{
    const char *examples;
    const char *heading;
};

struct Choice
{
    QRadioButton *Ui::Form1::*option;
    QComboBox *Ui::Form1::*list;
    const char *recorded; // "Over 60" selects the list's "over 60": lists match without regard to case
    const char *listItem; // the list's own entry, where it is not the recorded text
    std::variant<calc::AgeGroup, calc::Sex, calc::Intensity> value;
    const WorkActivity *atWork = nullptr;
};

//: Examples of occupations of low-intensity activity at work, shown in parentheses under the
//: options: 473 px wide, 2 lines at 100 %.
inline const WorkActivity kLowWork { QT_TRANSLATE_NOOP("Somatra",
                                         "teachers, office workers, traveling salesman , housewives "),
    "Examples of low-intensity activities at work:" };
//: Examples of occupations of moderate-intensity activity at work, shown in parentheses under the
//: options: 473 px wide, 2 lines at 100 %.
inline const WorkActivity kModerateWork { QT_TRANSLATE_NOOP("Somatra",
                                              "vendors, domestic workers, students, transport workers, "
                                              "roofers,hunters, fisherman, some manufacturing jobs"),
    "Examples of moderate-intensity activities at work:" };
//: Examples of occupations of high-intensity activity at work, shown in parentheses under the
//: options: 473 px wide, 2 lines at 100 %.
inline const WorkActivity kHighWork { QT_TRANSLATE_NOOP("Somatra",
                                          "workers, farmers, masons that all the work done by hand"),
    "Examples of high-intensity activities at work:" };

using calc::AgeGroup, calc::Intensity, calc::Sex;
using U = Ui::Form1;
inline const std::array<Choice, 11> kChoices { {
    { &U::Option1, &U::Combo1, "18 - 29", nullptr, AgeGroup::Age18To29 },
    { &U::Option2, &U::Combo1, "30 - 59", nullptr, AgeGroup::Age30To59 },
    { &U::Option3, &U::Combo1, "Over 60", "over 60", AgeGroup::Age60AndOver },
    { &U::Option4, &U::Combo3, "Weak", nullptr, Intensity::Weak },
    { &U::Option5, &U::Combo3, "Moderate", nullptr, Intensity::Moderate },
    { &U::Option6, &U::Combo3, "High", nullptr, Intensity::High },
    { &U::Option7, &U::Combo4, "Weak", nullptr, Intensity::Weak, &kLowWork },
    { &U::Option8, &U::Combo4, "Moderate", nullptr, Intensity::Moderate, &kModerateWork },
    { &U::Option9, &U::Combo4, "High", nullptr, Intensity::High, &kHighWork },
    { &U::Option10, &U::Combo2, "Male", nullptr, Sex::Male },
    { &U::Option11, &U::Combo2, "Female", nullptr, Sex::Female },
} };

// What the list holds, read as the arithmetic takes it: the recorded text compared whole and with
// letter case, as the lookup of the activity level does; nothing for any other text.
template <typename Value> std::optional<Value> Recorded(QComboBox *U::*list, const QString &text)
{
    for (const Choice &choice : kChoices) {
        if (choice.list == list && text == QLatin1String(choice.recorded))
            return std::get<Value>(choice.value);
    }
    return std::nullopt;
}

// The value of the chosen option among those that carry a Value, for a type that one group of
// options carries (an age group, a sex); nothing while none is chosen.
template <typename Value> std::optional<Value> Chosen(const U &ui)
{
    for (const Choice &choice : kChoices) {
        const auto *value = std::get_if<Value>(&choice.value);
        if (value && (ui.*choice.option)->isChecked())
            return *value;
    }
    return std::nullopt;
}

} // namespace choices
