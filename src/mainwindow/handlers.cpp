// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Start-up and the handlers of the main window's input events.
#include <array>

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

#include "about/form2.h"
#include "choices.h"
#include "looks.h"
#include "mainwindow/form1.h"
#include "platform/a11y/announcer.h"
#include "platform/controls/font.h"
#include "platform/controls/language.h"
#include "platform/controls/measurementbox.h"
#include "platform/controls/writes.h"
#include "platform/qtfixes/menubar.h"
#include "ui_form1.h"

namespace {

using platform::SetCaption;
using platform::SetText;
using platform::SetVisible;

QString ExamplesLine(const choices::WorkActivity &activity)
{
    return QStringLiteral("(%1) ").arg(platform::Tr(activity.examples).trimmed());
}

void StyleResultBox(QLineEdit *box, const looks::BoxStyle &style)
{
    platform::SetBackColor(box, style.back);
    platform::SetForeColor(box, style.text);
    // A shown result is a number, and no kerning pair or ligature of the dialog font involves a digit
    // or a number separator. Only for speed: shaping each new result costs 16.5 % of a keystroke
    // (bench/run).
    platform::SetBoldFont(box, style.pointSize,
        box->echoMode() == QLineEdit::Normal ? QFont::PreferNoShaping : QFont::PreferDefault);
}

} // namespace

void Form1::ConnectHandlers()
{
    for (int index = 0; index < int(choices::kChoices.size()); ++index) {
        // Only a real selection counts: clicking the option that is already selected changes nothing.
        connect(m_ui.get()->*choices::kChoices[index].option, &QRadioButton::toggled, this,
            [this, index](bool checked) {
                if (checked)
                    OptionClick(index);
            });
    }
    connect(m_ui->Option12, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Option12_Click();
    });
    connect(m_ui->Option13, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Option13_Click();
    });
    connect(m_ui->Combo4, &QComboBox::currentIndexChanged, this, &Form1::Combo4_Click);
    connect(m_ui->Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(m_ui->Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(m_ui->Text7, &QLineEdit::textChanged, this, &Form1::Text7_Change);
    connect(m_ui->Text11, &QLineEdit::textChanged, this, &Form1::Text11_Change);
    for (platform::MeasurementBox *box : { m_ui->Text1, m_ui->Text2, m_ui->Text11 })
        connect(box, &platform::MeasurementBox::pasteRefused, this, [this, box] { PasteRefused(box); });
    connect(m_ui->Ab, &QAction::triggered, this, &Form1::Ab_Click);
    // A control the person moves to while About is open is the one About gives the focus back to. The
    // focus also moves while About is destroyed, when it is no Form2 any more: only asked if it is there.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!m_about.isNull() && now && now->window() == this && now != menuBar())
            m_leftForAbout = now;
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, &Form1::F10_Press);

    m_announcer = std::make_unique<platform::Announcer>(centralWidget());
    m_announceTimer = new QTimer(this);
    m_announceTimer->setSingleShot(true);
    // Long enough to pass between two keys of a number, short enough to follow a pause.
    m_announceTimer->setInterval(std::chrono::milliseconds(700));
    connect(m_announceTimer, &QTimer::timeout, this, &Form1::AnnounceResults);
}

void Form1::Form_Load()
{
    // The carriers of intermediate results never show: they keep their texts without laying them out,
    // though every pass writes them. Being result boxes, they never lay out their fonts either. Only
    // for speed: laying out their texts costs 13.3 % of a keystroke (bench/run).
    for (QLineEdit *carrier : { m_ui->Text4, m_ui->Text5, m_ui->Text6, m_ui->Text7, m_ui->Text8 })
        carrier->setEchoMode(QLineEdit::NoEcho);
    SetText(m_ui->Text11, QString());
    for (QLabel *bar : std::initializer_list<QLabel *> { m_ui->Label49, m_ui->Label50, m_ui->Label51 })
        platform::SetWidthTwips(bar, 0);
    platform::SetBoldFont(m_ui->Label4, looks::kMessagePointSize);
    SetCaption(m_ui->Label31, QString());
    SetCaption(m_ui->Label22, QString());
    SetVisible(m_ui->Image1, false);
    SetVisible(m_ui->Image2, false);
    StyleResultBox(m_ui->Text3, looks::kBmiBox);
    for (QLineEdit *box : { m_ui->Text6, m_ui->Text7, m_ui->Text8 })
        StyleResultBox(box, looks::kEnergyStepBox);
    StyleResultBox(m_ui->Text9, looks::kTeeBox);
    SetCaption(m_ui->Label4, QString());
    // The clears of Text1, Text2 and Text7 each run a start-up pass through their change handlers.
    SetText(m_ui->Text1, QString());
    SetText(m_ui->Text2, QString());
    for (QLineEdit *box :
        std::initializer_list<QLineEdit *> { m_ui->Text3, m_ui->Text4, m_ui->Text5, m_ui->Text6 })
        SetText(box, QString());
    SetText(m_ui->Text7, QString());
    SetText(m_ui->Text8, QString());
    SetText(m_ui->Text9, QString());
    SetText(m_ui->Text10, QString());
    for (QLineEdit *box : { m_ui->Text4, m_ui->Text5 })
        platform::SetForeColor(box, looks::kLimitText);
    for (QLineEdit *box : { m_ui->Text4, m_ui->Text5 })
        platform::SetBoldFont(box);
    for (QWidget *hidden : std::initializer_list<QWidget *> { m_ui->Text6, m_ui->Text7, m_ui->Text8,
             m_ui->Label14, m_ui->Label17, m_ui->Label19, m_ui->Label20 })
        SetVisible(hidden, false);
    // What the first announcement is compared with.
    m_spoken = spoken::Sentences(m_shown);
}

// The close is never refused.
void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    // Closing the main window ends the program: the About window goes with it.
    if (m_about)
        m_about->close();
}

void Form1::Ab_Click()
{
    // However the window closes, the focus goes back to the control the person left for it.
    if (QWidget *left = QApplication::focusWidget(); left && left->window() == this && left != menuBar())
        m_leftForAbout = left;
    // A closed window waits for its deferred deletion; it must not come back in that moment.
    if (m_about && !m_about->isVisible())
        m_about = nullptr;
    if (!m_about) {
        m_about = new Form2;
        connect(m_about, &QDialog::finished, this, [this] {
            activateWindow();
            if (m_leftForAbout)
                m_leftForAbout->setFocus(Qt::OtherFocusReason);
        });
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::F10_Press()
{
    platform::EnterMenuBar(menuBar());
    // Screen readers name the item only; the person also needs to hear where the keyboard went.
    //: Spoken when F10 takes the keyboard to the menu bar.
    m_announcer->Announce(tr("Menu bar"));
}

// A refused paste leaves the box as it was; the person sees and hears why nothing changed.
void Form1::PasteRefused(QLineEdit *box)
{
    //: Tooltip under a measurement box, also spoken, when a paste holds no number; no room limit.
    const QString why = tr("Not pasted: only a number can go here");
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
    m_announcer->Announce(why);
}

void Form1::OptionClick(int index)
{
    const choices::Choice &choice = choices::kChoices[std::size_t(index)];
    platform::SetListText(m_ui.get()->*choice.list, QString::fromUtf8(choice.recorded));
    if (choice.atWork)
        SetCaption(m_ui->Label22, ExamplesLine(*choice.atWork));
    Recalculate();
}

void Form1::Option12_Click()
{
    if (m_ui->Option12->isChecked())
        SwitchUnits(false);
}

void Form1::Option13_Click()
{
    if (m_ui->Option13->isChecked())
        SwitchUnits(true);
}

// Clearing the boxes runs passes in the new units; the TEE box is emptied after them, and the inches
// box keeps its text when switching to English units. A last pass makes every result follow the
// inputs and units that the switch leaves, also where the boxes were empty already.
void Form1::SwitchUnits(bool english)
{
    //: Unit after the height box in English units, short for feet; 25 px at 100 %. Screen readers hear
    //: the unit in the caption before the box.
    SetCaption(m_ui->Label2, english ? tr("ft") : tr("cm"));
    //: Unit after the weight box in English units, short for pounds; 41 px at 100 %. Screen readers hear
    //: the unit in the caption before the box.
    SetCaption(m_ui->Label1, english ? tr("lbs") : tr("kg"));
    platform::SetTitle(m_ui->Frame5,
        //: Title of the box that shows the appropriate weight range in English units; 137 px at 100 %.
        //: Screen readers say its spoken name instead.
        english ? tr("Appropriate weight (lbs)") : tr("Appropriate weight (kg)"));
    // Screen readers hear the units in words, in the captions before the boxes: a speech synthesizer
    // spells "kg" or "ft" out.
    m_ui->Label7->setAccessibleName(english
            //: What a screen reader says for the caption before the height box in English units; the
            //: feet and the inches follow it.
            ? tr("Height in feet and inches:")
            : tr("Height in centimetres:"));
    m_ui->Label6->setAccessibleName(english
            //: What a screen reader says for the caption before the weight box in English units; the
            //: weight follows it.
            ? tr("Weight in pounds:")
            : tr("Weight in kilograms:"));
    m_ui->Frame5->setAccessibleName(english
            //: What a screen reader calls the box of the appropriate weight range in English units.
            ? tr("Appropriate weight in pounds")
            : tr("Appropriate weight in kilograms"));
    m_ui->Text2->setAccessibleName(english
            //: What a screen reader calls the height box in English units: it takes whole feet.
            ? tr("Height in feet")
            : tr("Height in centimetres"));
    m_ui->Text1->setAccessibleName(english
            //: What a screen reader calls the weight box in English units.
            ? tr("Weight in pounds")
            : tr("Weight in kilograms"));
    m_ui->Text2->setAccessibleDescription(english
            //: Spoken description of the height box in English units.
            ? tr("Whole feet, with the inches in the next box")
            : QString());
    SetVisible(m_ui->Text11, english);
    SetVisible(m_ui->Label24, english);
    SetText(m_ui->Text2, QString());
    SetText(m_ui->Text1, QString());
    SetText(m_ui->Text9, QString());
    if (!english)
        SetText(m_ui->Text11, QString());
    m_ui->Text2->setFocus();
    m_pendingNotice = english
        //: Spoken when the person chooses English units, which empties the height and weight boxes.
        ? tr("English units, height and weight cleared")
        //: Spoken when the person chooses metric units, which empties the height and weight boxes.
        : tr("Metric units, height and weight cleared");
    Recalculate();
}

void Form1::Combo4_Click()
{
    const QString recorded = m_ui->Combo4->currentText();
    for (const choices::Choice &choice : choices::kChoices) {
        if (choice.list != &Ui::Form1::Combo4 || recorded != QLatin1String(choice.recorded))
            continue;
        SetText(m_ui->Text10, QString::fromUtf8(choice.atWork->examples));
        SetCaption(m_ui->Label31, QString::fromUtf8(choice.atWork->heading));
    }
}

void Form1::Text1_Change()
{
    Recalculate();
}

void Form1::Text2_Change()
{
    Recalculate();
}

void Form1::Text7_Change()
{
    Recalculate();
}

// The inches only count in English units; in metric units the box is hidden and never read.
void Form1::Text11_Change()
{
    if (m_ui->Option13->isChecked())
        Recalculate();
}
