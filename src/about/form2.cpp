// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "about/form2.h"

#include "about/homepage.h"
#include "platform/a11y/accessibility.h"
#include "platform/controls/font.h"
#include "platform/controls/language.h"
#include "platform/controls/legible.h"
#include "ui_form2.h"

QString MakerNotice()
{
    return QString::fromUtf8(SOMATRA_MAKER_NOTICE);
}

Form2::Form2()
    : m_ui(std::make_unique<Ui::Form2>())
{
    platform::InstallAccessibility();
    platform::InstallTranslations();
    setFont(platform::DialogFont());
    m_ui->setupUi(this);
    m_ui->Label1->setText(MakerNotice());
    platform::AdaptToDesktop(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with the main window, even while the About window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Return presses the focused button, whichever it is; Escape closes the window as Close does.
    m_ui->Command1->setFocus();

    connect(m_ui->Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

Form2::~Form2() = default;

void Form2::Command1_Click()
{
    close();
}

void Form2::Command2_Click()
{
    OpenHomePage();
}
