// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The main window: every input, result and holder of state is one of its named controls (form1.ui).
//
// Inputs          Text2 height (cm, or whole feet), Text11 inches (English units only), Text1 weight
//                 (kg or lbs), with the captions Label7, Label2, Label24, Label6, Label1.
//                 Option12/13 units (Frame7); Option1-3 age (Frame1); Option10/11 sex (Frame6);
//                 Option4-6 activity outside work (Frame3) and Option7-9 at work (Frame4), in Frame2.
// Results         Text3 BMI, caption Label3, unit Label5 + raised Label27; Label4 category message
//                 beside Image1 (warning) or Image2 (approval); Label23 weight range in Frame5, whose
//                 title names the unit; Label22 examples for the work level; Text9 TEE, Label18, Label29.
// Hidden carriers Text4/Text5 weight limits in kg; Text6 BMR, Text7 PAL (a change runs a pass),
//                 Text8 DIT, with Label14, Label20, Label17, Label19; Combo1-4 age, sex, outside-work
//                 and at-work records (Combo4 fills Label31 and Text10); Label8-13, 15, 16, 21
//                 captions; Label25 the maker's notice. None of them is ever on screen.
// Scale           heading Label41 + raised Label43 + Label44; ticks Label36-40; Label42 and the
//                 category names Label52-55; bars Label49, Label50, Label51 from the bottom up (Label49
//                 reads as the BMI); box Line6-9, rule Line4, dividers Line10-12, ticks Line13/14.
// Decoration      separators Line1, Line2, Line5. Menu item Ab "About".
#include <chrono>
#include <memory>

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include "mainwindow/spoken.h"

class Form2;
class QCloseEvent;
class QLineEdit;
class QTimer;

namespace looks {
struct CategoryLook;
}
namespace platform {
class Announcer;
}

namespace Ui {
class Form1;
}

class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the design state of the layout, then runs Form_Load to bring it to its start-up state.
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The window exactly as designed, without Form_Load: what the screenshot tool renders with --design.
    static std::unique_ptr<Form1> InDesignState(QWidget *parent = nullptr);

    // The one pass that reads every input from the controls and writes every result back.
    void Recalculate();

    // How long typing pauses before screen readers hear the results; tests make it as short as they like.
    void SetAnnouncementPause(std::chrono::milliseconds pause);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls by name (m_ui->Text1, m_ui->Label49, ...), generated from form1.ui.
    std::unique_ptr<Ui::Form1> m_ui;

    struct DesignStateOnly
    {
    };
    Form1(QWidget *parent, DesignStateOnly);

    void ConnectHandlers();
    void Form_Load();
    void Form_Unload();
    void Ab_Click();
    void F10_Press();

    // Age, sex and activity choices: record the choice in its list, then recalculate.
    void OptionClick(int option);
    void Option12_Click();
    void Option13_Click();
    void SwitchUnits(bool english);
    void Combo4_Click();

    void Text1_Change();
    void Text2_Change();
    void Text7_Change();
    void Text11_Change();
    void PasteRefused(QLineEdit *box);

    // Screen readers hear what changed in the results once the person pauses.
    void ScheduleAnnouncement();
    void AnnounceResults();

    // The one About window while it exists, and the control the person left for it.
    QPointer<Form2> m_about;
    QPointer<QWidget> m_leftForAbout;

    std::unique_ptr<platform::Announcer> m_announcer;
    QTimer *m_announceTimer = nullptr;
    // What the last pass showed, as screen readers are told it.
    spoken::Results m_shown;
    // The category look of the last pass, with its message and reading translated.
    const looks::CategoryLook *m_look = nullptr;
    QString m_message;
    QStringList m_spoken; // the results as last announced
    QString m_pendingNotice; // said before the results, once
};
