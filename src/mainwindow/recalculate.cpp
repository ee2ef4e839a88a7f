// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// The recalculation pass: reads every input from the controls, writes every result back.
#include <algorithm>
#include <array>
#include <string_view>

#include "calc/calc.h"
#include "choices.h"
#include "looks.h"
#include "mainwindow/form1.h"
#include "platform/controls/language.h"
#include "platform/controls/legible.h"
#include "platform/controls/locale.h"
#include "platform/controls/writes.h"
#include "ui_form1.h"

namespace {

using platform::SetCaption;
using platform::SetText;
using platform::SetVisible;

// The texts of a pass are short ASCII numbers; those are copied without a heap allocation (15
// characters fit a std::string's own buffer). Long pasted texts take Qt's bulk conversion. Only for
// speed: Qt's conversion of every text read costs 12 % of a pass (bench/run).
std::string Utf8(const QString &text)
{
    if (text.size() > 15)
        return text.toStdString();
    char ascii[15];
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80)
            return text.toStdString();
        ascii[i] = static_cast<char>(text[i].unicode());
    }
    return std::string(ascii, static_cast<std::size_t>(text.size()));
}

std::string Utf8(const QLineEdit *box)
{
    return Utf8(box->text());
}

std::optional<double> ReadBack(const QLineEdit *box, const calc::NumberSeparators &separators)
{
    return calc::ParseLocaleNumber(Utf8(box), separators);
}

// Each measurement is absent where its box holds no usable number.
calc::Measured ReadMeasurements(const Ui::Form1 &ui, const calc::NumberSeparators &separators)
{
    if (ui.Option13->isChecked())
        return calc::MeasuredEnglish(Utf8(ui.Text1), Utf8(ui.Text2), Utf8(ui.Text11), separators);
    return calc::MeasuredMetric(Utf8(ui.Text1), Utf8(ui.Text2), separators);
}

// The BMI and its category, or the measurement to check where one is beyond any adult's. Without a
// BMI (no weight or no height) there is no message and no picture. Each picture is written once with
// its final state, so a pass that keeps the category does not hide and show it again. The bar colours
// stay when there is no category: the bars have no width.
// The message is translated when the look changes, not on every pass. Only for speed: translating it
// on every pass costs 6.7 % of a pass (bench/run).
struct Said
{
    const looks::CategoryLook *&look;
    QString &message;
    QString &reading;
};

void ShowBodyMassIndex(
    const Ui::Form1 &ui, const calc::Measured &measured, const calc::NumberSeparators &separators, Said said)
{
    const std::optional<double> bmi = calc::MeasuredBmi(measured);
    SetText(ui.Text3, calc::FormatWithPattern(bmi, calc::Pattern::OneDecimal, separators));
    const looks::CategoryLook *look = nullptr;
    if (bmi) {
        look = looks::DoubtLookOf(calc::DoubtfulMeasurements(measured));
        if (!look)
            look = looks::LookOf(calc::ClassifyBmi(bmi));
    }
    if (look != said.look) {
        said.look = look;
        said.message = look ? platform::Tr(look->message) : QString();
        said.reading = look ? platform::Tr(look->spoken) : QString();
    }
    if (look) {
        SetCaption(ui.Label4, said.message);
        // Off the design palette the colours move just enough in lightness to stay readable.
        platform::SetForeColor(
            ui.Label4, platform::Legible(ui.Label4, look->messageColour, platform::kTextContrast));
        const std::array<QColor, 3> bars = platform::LegibleShades(ui.Label49, look->bars);
        platform::SetBackColor(ui.Label49, bars[0]);
        platform::SetBackColor(ui.Label50, bars[1]);
        platform::SetBackColor(ui.Label51, bars[2]);
    } else {
        SetCaption(ui.Label4, QString());
    }
    SetVisible(ui.Image1, look && look->picture == looks::Picture::Warning);
    SetVisible(ui.Image2, look && look->picture == looks::Picture::Approval);
}

struct Limits
{
    std::string lower;
    std::string upper;
};

// Whole kilograms in the hidden limit boxes; pounds derive from those texts. Without a height there
// are no limits and the range shows no figures.
Limits ShowWeightRange(
    const Ui::Form1 &ui, std::optional<double> heightCm, const calc::NumberSeparators &separators)
{
    std::optional<calc::WeightRange> range;
    if (heightCm)
        range = calc::AppropriateWeightRange(*heightCm);
    SetText(ui.Text4,
        calc::FormatWithPattern(
            range ? std::optional(range->lowerKg) : std::nullopt, calc::Pattern::WholeGrouped, separators));
    SetText(ui.Text5,
        calc::FormatWithPattern(
            range ? std::optional(range->upperKg) : std::nullopt, calc::Pattern::WholeGrouped, separators));
    Limits limits { Utf8(ui.Text4), Utf8(ui.Text5) };
    if (ui.Option13->isChecked()) {
        const auto lower = calc::LimitTextLbs(limits.lower, separators);
        const auto upper = calc::LimitTextLbs(limits.upper, separators);
        if (lower && upper)
            limits = { *lower, *upper };
    }
    SetCaption(ui.Label23,
        limits.lower.empty() && limits.upper.empty() ? std::string()
                                                     : calc::RangeTextKg(limits.lower, limits.upper));
    return limits;
}

// The BMR of the chosen age group and sex, empty without a measurement its equation uses; with either
// choice not made the box keeps its text.
void WriteBasalMetabolicRate(
    const Ui::Form1 &ui, const calc::Measured &measured, const calc::NumberSeparators &separators)
{
    const auto age = choices::Chosen<calc::AgeGroup>(ui);
    const auto sex = choices::Chosen<calc::Sex>(ui);
    if (age && sex)
        SetText(ui.Text6,
            calc::FormatWithPattern(
                calc::MeasuredBmr(*age, *sex, measured), calc::Pattern::Whole, separators));
}

// The PAL of the texts the lists record. A new text runs a nested pass through the PAL box's change
// handler.
void WritePhysicalActivityLevel(const Ui::Form1 &ui, const calc::NumberSeparators &separators)
{
    const auto sex = choices::Recorded<calc::Sex>(&Ui::Form1::Combo2, ui.Combo2->currentText());
    const auto outside = choices::Recorded<calc::Intensity>(&Ui::Form1::Combo3, ui.Combo3->currentText());
    const auto atWork = choices::Recorded<calc::Intensity>(&Ui::Form1::Combo4, ui.Combo4->currentText());
    if (sex && outside && atWork)
        SetText(ui.Text7,
            calc::PlainNumberText(calc::PhysicalActivityLevel(*sex, *outside, *atWork), separators));
}

// DIT and TEE from the BMR and PAL texts as written, so that their rounding feeds the results.
void ShowEnergy(const Ui::Form1 &ui, const calc::NumberSeparators &separators)
{
    const calc::EnergyTexts energy = calc::EnergyFromTexts(Utf8(ui.Text6), Utf8(ui.Text7), separators);
    SetText(ui.Text8, energy.dit);
    SetText(ui.Text9, energy.tee);
}

// The scale bars from the BMI as shown; without one the scale stays empty. The bars read as one value:
// the BMI they draw with its category.
void ShowScale(const Ui::Form1 &ui, const QString &reading, const calc::NumberSeparators &separators)
{
    const std::optional<double> shownBmi = ReadBack(ui.Text3, separators);
    const float width = calc::ScaleBarWidth(shownBmi);
    for (QLabel *bar : std::initializer_list<QLabel *> { ui.Label49, ui.Label50, ui.Label51 })
        platform::SetWidthTwips(bar, width);
    ui.Label49->SetReading(shownBmi, ui.Text3->text(), reading);
}

} // namespace

void Form1::Recalculate()
{
    const calc::NumberSeparators &separators = platform::LocaleSeparators();
    const calc::Measured measured = ReadMeasurements(*m_ui, separators);
    ShowBodyMassIndex(*m_ui, measured, separators, { m_look, m_message, m_shown.reading });
    const Limits limits = ShowWeightRange(*m_ui, measured.heightCm, separators);
    WriteBasalMetabolicRate(*m_ui, measured, separators);
    WritePhysicalActivityLevel(*m_ui, separators);
    ShowEnergy(*m_ui, separators);
    ShowScale(*m_ui, m_shown.reading, separators);
    // What screen readers are told, as the pass showed it. They read the range as the sentence they
    // hear, in words.
    const spoken::Results before = m_shown;
    m_shown.bmi = m_ui->Text3->text();
    m_shown.lowerLimit = QString::fromStdString(limits.lower);
    m_shown.upperLimit = QString::fromStdString(limits.upper);
    m_shown.pounds = m_ui->Option13->isChecked();
    m_shown.tee = m_ui->Text9->text();
    if (m_shown.lowerLimit != before.lowerLimit || m_shown.upperLimit != before.upperLimit
        || m_shown.pounds != before.pounds)
        m_ui->Label23->setAccessibleName(m_shown.lowerLimit.isEmpty()
                ? QString()
                : spoken::WeightRange(m_shown.lowerLimit, m_shown.upperLimit, m_shown.pounds));
    ScheduleAnnouncement();
}
