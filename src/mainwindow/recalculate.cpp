// The recalculation pass: reads every input from the controls, writes every result back.
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "calc/calc.h"
#include "looks.h"
#include "mainwindow/form1.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/locale.h"
#include "ui_form1.h"

namespace {

using platform::SetCaption;
using platform::SetText;
using platform::SetVisible;

// The texts of a pass are short ASCII numbers; those are copied without a heap allocation (15
// characters fit a std::string's own buffer). Long pasted texts take Qt's bulk conversion.
std::string Utf8(const QString &text)
{
    if (text.size() > 15)
        return text.toStdString();
    std::string utf8(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80)
            return text.toStdString();
        utf8[static_cast<std::size_t>(i)] = static_cast<char>(text[i].unicode());
    }
    return utf8;
}

std::string Utf8(const QLineEdit *box)
{
    return Utf8(box->text());
}

bool Shows(const QString &text, std::string_view utf8)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    return ascii && text == QLatin1String(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Writes of results: an unchanged text is recognised before it is converted.
void SetResult(QLineEdit *box, std::string_view utf8)
{
    if (!Shows(box->text(), utf8))
        SetText(box, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void SetResult(QLabel *label, std::string_view utf8)
{
    if (!Shows(label->text(), utf8))
        SetCaption(label, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

// An overflow makes a step fail, and its value stays absent.
std::optional<double> Finite(double value)
{
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

void Form1::Recalculate()
{
    const calc::NumberSeparators &separators = platform::LocaleSeparators();
    const auto readBack
        = [&separators](const QLineEdit *box) { return calc::ParseLocaleNumber(Utf8(box), separators); };

    // Measurements. A number beyond a double leaves its field at 0, like any failed statement.
    calc::BodyMeasurements body;
    body.heightCm = calc::ParseLeadingNumber(Utf8(ui->Text2)).value_or(0);
    body.weightKg = calc::ParseLeadingNumber(Utf8(ui->Text1)).value_or(0);
    const bool english = ui->Option13->isChecked();
    if (english) {
        if (const auto inches = calc::ParseLeadingNumber(Utf8(ui->Text11)))
            body.heightCm = calc::FeetInchesToCm(body.heightCm, *inches);
        body.weightKg = calc::LbsToKg(body.weightKg);
    }

    // BMI, and its category. Without a BMI (no usable height) there is no message and no picture.
    const std::optional<double> bmi = calc::BodyMassIndex(body);
    SetResult(ui->Text3, calc::FormatWithPattern(bmi, "0.0", separators));
    // Each picture is written once with its final state, so a pass that keeps the category does not
    // hide and show it again. The bar colours stay when there is no category: the bars have no width.
    const looks::CategoryLook *shown = looks::LookOf(calc::ClassifyBmi(bmi));
    if (shown) {
        SetResult(ui->Label4, shown->message);
        // Off the design palette the colours move just enough in lightness to stay readable.
        platform::SetForeColor(
            ui->Label4, platform::Legible(ui->Label4, shown->messageColour, platform::kTextContrast));
        const std::array<QColor, 3> bars = platform::LegibleShades(ui->Label49, shown->bars);
        platform::SetBackColor(ui->Label49, bars[0]);
        platform::SetBackColor(ui->Label50, bars[1]);
        platform::SetBackColor(ui->Label51, bars[2]);
    } else {
        SetResult(ui->Label4, std::string_view());
    }
    SetVisible(ui->Image1, shown && shown->picture == looks::Picture::Warning);
    SetVisible(ui->Image2, shown && shown->picture == looks::Picture::Approval);

    // Appropriate weight: whole kilograms in the hidden limit boxes; pounds derive from those texts.
    const calc::WeightRange range = calc::AppropriateWeightRange(body.heightCm);
    SetResult(ui->Text4, calc::FormatWithPattern(range.lowerKg, "0,0", separators));
    SetResult(ui->Text5, calc::FormatWithPattern(range.upperKg, "0,0", separators));
    const std::string lowerText = Utf8(ui->Text4);
    const std::string upperText = Utf8(ui->Text5);
    std::string rangeText = calc::RangeTextKg(lowerText, upperText);
    if (english) {
        if (auto pounds = calc::RangeTextLbs(lowerText, upperText, separators))
            rangeText = std::move(*pounds);
    }
    SetResult(ui->Label23, rangeText);

    // BMR of the chosen age group and sex; with either not chosen the box keeps its text.
    const std::array<std::pair<QRadioButton *, calc::AgeGroup>, 3> ages { {
        { ui->Option1, calc::AgeGroup::Age18To29 },
        { ui->Option2, calc::AgeGroup::Age30To59 },
        { ui->Option3, calc::AgeGroup::Age60AndOver },
    } };
    const std::array<std::pair<QRadioButton *, calc::Sex>, 2> sexes { {
        { ui->Option10, calc::Sex::Male },
        { ui->Option11, calc::Sex::Female },
    } };
    for (const auto &[sexOption, sex] : sexes) {
        for (const auto &[ageOption, age] : ages) {
            if (ageOption->isChecked() && sexOption->isChecked())
                SetResult(ui->Text6,
                    calc::FormatWithPattern(calc::BasalMetabolicRate(age, sex, body), "0", separators));
        }
    }

    // PAL. A new text runs a nested pass through the PAL box's change handler.
    if (const auto pal = calc::PhysicalActivityLevel(Utf8(platform::ListText(ui->Combo2)),
            Utf8(platform::ListText(ui->Combo3)), Utf8(platform::ListText(ui->Combo4))))
        SetResult(ui->Text7, calc::PlainNumberText(*pal, separators));

    // DIT and TEE from the texts as written, so their rounding feeds the result. Writing the DIT box
    // runs no handler, so the BMR and PAL texts read once serve both steps.
    const std::optional<double> bmr = readBack(ui->Text6);
    const std::optional<double> pal = readBack(ui->Text7);
    std::optional<double> dit;
    if (bmr && pal)
        dit = Finite(calc::DietInducedThermogenesis(*bmr, *pal));
    SetResult(ui->Text8, calc::FormatWithPattern(dit, "0,0", separators));
    std::optional<double> tee;
    if (const auto ditShown = readBack(ui->Text8); bmr && pal && ditShown)
        tee = Finite(calc::TotalEnergyExpenditure(*bmr, *pal, *ditShown));
    SetResult(ui->Text9, calc::FormatWithPattern(tee, "0,0", separators));

    // Scale bars from the BMI as shown; without one the scale stays empty.
    const std::optional<double> shownBmi = readBack(ui->Text3);
    const float width = calc::ScaleBarWidth(shownBmi);
    for (QLabel *bar : std::initializer_list<QLabel *> { ui->Label49, ui->Label50, ui->Label51 })
        platform::SetWidthTwips(bar, width);
    // The bars read as one value: the BMI they draw with its category.
    ui->Label49->SetReading(shownBmi, ui->Text3->text(), shown ? shown->spoken : nullptr);
    ScheduleAnnouncement();
}
