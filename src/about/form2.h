#pragma once
// The About window: the program's description, the maker's notice and the home-page button.
#include <QWidget>

class QLabel;
class QFrame;
class QPushButton;

class Form2 : public QWidget
{
    Q_OBJECT
public:
    // Top level on purpose: the About window has no owner and may fall behind the main window.
    Form2();

private:
    void Command1_Click();
    void Command2_Click();

    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Line1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
};

// Shows the one About window, building it on first use or after it was closed, and otherwise
// brings the open one to the front. The window deletes itself when it closes.
Form2 *ShowAboutWindow();

// The maker's notice that the About window shows; the build sets it with SOMATRA_MAKER_NOTICE.
QString MakerNotice();
