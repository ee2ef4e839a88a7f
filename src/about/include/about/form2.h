// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The About window: the program's description, the maker's notice and the home-page button.
#include <memory>

#include <QDialog>

namespace Ui {
class Form2;
}

class Form2 : public QDialog
{
    Q_OBJECT
public:
    // Top level on purpose: the About window has no owner and may fall behind the main window.
    // It deletes itself when it closes.
    Form2();
    ~Form2() override;

private:
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<Ui::Form2> m_ui;
};

// The maker's notice that the About window shows; the build sets it with SOMATRA_MAKER_NOTICE.
QString MakerNotice();
