#pragma once
// The main window: every input, result and holder of state is one of its named controls.
#include <memory>

#include <QMainWindow>
#include <QPointer>

class Form2;
class QCloseEvent;

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

    // The one pass that reads every input from the controls and writes every result back.
    void Recalculate();

protected:
    void closeEvent(QCloseEvent *event) override;

    // The controls by name (ui->Text1, ui->Label49, ...), generated from form1.ui.
    std::unique_ptr<Ui::Form1> ui;

private:
    struct DesignStateOnly
    {
    };
    Form1(QWidget *parent, DesignStateOnly);

    void ConnectHandlers();
    void Form_Load();
    void Form_Unload(bool &cancel);
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

    // The one About window while it exists.
    QPointer<Form2> about;
};
