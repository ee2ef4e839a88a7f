#pragma once
// The main window: every input, result and holder of state is one of its named controls.
#include <memory>

#include <QMainWindow>

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

    // The window exactly as designed, without Form_Load: what layout tests inspect.
    static std::unique_ptr<Form1> InDesignState(QWidget *parent = nullptr);

protected:
    // The controls by name (ui->Text1, ui->Label49, ...), generated from form1.ui.
    std::unique_ptr<Ui::Form1> ui;

private:
    struct DesignStateOnly
    {
    };
    Form1(QWidget *parent, DesignStateOnly);

    void Form_Load();
};
