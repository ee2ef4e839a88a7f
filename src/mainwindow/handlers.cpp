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
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/language.h"
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
    // or a number separator: without text shaping each new result is laid out for less.
    platform::SetBoldFont(box, style.pointSize,
        box->echoMode() == QLineEdit::Normal ? QFont::PreferNoShaping : QFont::PreferDefault);
}

} // namespace

void Form1::ConnectHandlers()
{
    for (int index = 0; index < int(choices::kChoices.size()); ++index) {
        // Only a real selection counts: clicking the option that is already selected changes nothing.
        connect(ui.get()->*choices::kChoices[index].option, &QRadioButton::toggled, this,
            [this, index](bool checked) {
                if (checked)
                    OptionClick(index);
            });
    }
    connect(ui->Option12, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Option12_Click();
    });
    connect(ui->Option13, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Option13_Click();
    });
    connect(ui->Combo4, &QComboBox::currentIndexChanged, this, &Form1::Combo4_Click);
    connect(ui->Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(ui->Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(ui->Text7, &QLineEdit::textChanged, this, &Form1::Text7_Change);
    connect(ui->Text11, &QLineEdit::textChanged, this, &Form1::Text11_Change);
    // The measurements take digits and one decimal separator as typed, and pastes as numbers.
    for (QLineEdit *box : { ui->Text1, ui->Text2, ui->Text11 }) {
        platform::InstallKeyPressHook(box, &platform::DigitsAndOneDecimal);
        platform::ReadPastesAsNumbers(box);
        connect(box, &QLineEdit::inputRejected, this, [this, box] { PasteRefused(box); });
    }
    connect(ui->Ab, &QAction::triggered, this, &Form1::Ab_Click);
    // A control the person moves to while About is open is the one About gives the focus back to.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (about && now && now->window() == this && now != menuBar())
            leftForAbout = now;
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, &Form1::F10_Press);

    announcer = std::make_unique<platform::Announcer>(centralWidget());
    announceTimer = new QTimer(this);
    announceTimer->setSingleShot(true);
    connect(announceTimer, &QTimer::timeout, this, &Form1::AnnounceResults);
}

void Form1::Form_Load()
{
    // The carriers of intermediate results never show: they keep their texts without laying them out,
    // though every pass writes them. Being result boxes, they never lay out their fonts either.
    for (QLineEdit *carrier : { ui->Text4, ui->Text5, ui->Text6, ui->Text7, ui->Text8 })
        carrier->setEchoMode(QLineEdit::NoEcho);
    SetText(ui->Text11, QString());
    for (QLabel *bar : std::initializer_list<QLabel *> { ui->Label49, ui->Label50, ui->Label51 })
        platform::SetWidthTwips(bar, 0);
    platform::SetBoldFont(ui->Label4, looks::kMessagePointSize);
    SetCaption(ui->Label31, QString());
    SetCaption(ui->Label22, QString());
    SetVisible(ui->Image1, false);
    SetVisible(ui->Image2, false);
    StyleResultBox(ui->Text3, looks::kBmiBox);
    for (QLineEdit *box : { ui->Text6, ui->Text7, ui->Text8 })
        StyleResultBox(box, looks::kEnergyStepBox);
    StyleResultBox(ui->Text9, looks::kTeeBox);
    SetCaption(ui->Label4, QString());
    // The clears of Text1, Text2 and Text7 each run a start-up pass through their change handlers.
    SetText(ui->Text1, QString());
    SetText(ui->Text2, QString());
    for (QLineEdit *box : std::initializer_list<QLineEdit *> { ui->Text3, ui->Text4, ui->Text5, ui->Text6 })
        SetText(box, QString());
    SetText(ui->Text7, QString());
    SetText(ui->Text8, QString());
    SetText(ui->Text9, QString());
    SetText(ui->Text10, QString());
    for (QLineEdit *box : { ui->Text4, ui->Text5 })
        platform::SetForeColor(box, looks::kLimitText);
    for (QLineEdit *box : { ui->Text4, ui->Text5 })
        platform::SetBoldFont(box);
    for (QWidget *hidden : std::initializer_list<QWidget *> {
             ui->Text6, ui->Text7, ui->Text8, ui->Label14, ui->Label17, ui->Label19, ui->Label20 })
        SetVisible(hidden, false);
    // What the first announcement is compared with.
    spoken = SpokenResults();
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
    if (about)
        about->close();
}

void Form1::Ab_Click()
{
    // However the window closes, the focus goes back to the control the person left for it.
    if (QWidget *left = QApplication::focusWidget(); left && left->window() == this && left != menuBar())
        leftForAbout = left;
    // A closed window waits for its deferred deletion; it must not come back in that moment.
    if (about && !about->isVisible())
        about = nullptr;
    if (!about) {
        about = new Form2;
        connect(about, &QDialog::finished, this, [this] {
            activateWindow();
            if (leftForAbout)
                leftForAbout->setFocus(Qt::OtherFocusReason);
        });
    }
    about->show();
    about->raise();
    about->activateWindow();
}

void Form1::F10_Press()
{
    platform::EnterMenuBar(menuBar());
    // Screen readers name the item only; the person also needs to hear where the keyboard went.
    announcer->Announce(tr("Menu bar"));
}

// A refused paste leaves the box as it was; the person sees and hears why nothing changed.
void Form1::PasteRefused(QLineEdit *box)
{
    const QString why = tr("Not pasted: only a number can go here");
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
    announcer->Announce(why);
}

void Form1::OptionClick(int index)
{
    const choices::Choice &choice = choices::kChoices[std::size_t(index)];
    platform::SetListText(ui.get()->*choice.list, QString::fromUtf8(choice.recorded));
    if (choice.atWork)
        SetCaption(ui->Label22, ExamplesLine(*choice.atWork));
    Recalculate();
}

void Form1::Option12_Click()
{
    if (ui->Option12->isChecked())
        SwitchUnits(false);
}

void Form1::Option13_Click()
{
    if (ui->Option13->isChecked())
        SwitchUnits(true);
}

// Clearing the boxes runs passes in the new units; the TEE box is emptied after them, and the inches
// box keeps its text when switching to English units. A last pass makes every result follow the
// inputs and units that the switch leaves, also where the boxes were empty already.
void Form1::SwitchUnits(bool english)
{
    SetCaption(ui->Label2, english ? tr("ft") : tr("cm"));
    SetCaption(ui->Label1, english ? tr("lbs") : tr("kg"));
    platform::SetTitle(ui->Frame5, english ? tr("Appropriate weight (lbs)") : tr("Appropriate weight (kg)"));
    // Screen readers name each box with the unit that its caption shows.
    ui->Text2->setAccessibleName(tr("Height (%1)").arg(ui->Label2->text()));
    ui->Text1->setAccessibleName(tr("Weight (%1)").arg(ui->Label1->text()));
    ui->Text2->setAccessibleDescription(
        english ? tr("Whole feet, with the inches in the next box") : QString());
    SetVisible(ui->Text11, english);
    SetVisible(ui->Label24, english);
    SetText(ui->Text2, QString());
    SetText(ui->Text1, QString());
    SetText(ui->Text9, QString());
    if (!english)
        SetText(ui->Text11, QString());
    ui->Text2->setFocus();
    pendingNotice = english ? tr("English units, height and weight cleared")
                            : tr("Metric units, height and weight cleared");
    Recalculate();
}

void Form1::Combo4_Click()
{
    const QString recorded = ui->Combo4->currentText();
    for (const choices::Choice &choice : choices::kChoices) {
        if (choice.list != &Ui::Form1::Combo4 || recorded != QLatin1String(choice.recorded))
            continue;
        SetText(ui->Text10, QString::fromUtf8(choice.atWork->examples));
        SetCaption(ui->Label31, QString::fromUtf8(choice.atWork->heading));
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
    if (ui->Option13->isChecked())
        Recalculate();
}
