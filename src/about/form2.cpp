#include "about/form2.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "about/homepage.h"
#include "platform/controls.h"
#include "platform/font.h"

namespace {

// Design size of the client area in twips: 385 by 150 pixels.
constexpr int ClientWidth = 5775;
constexpr int ClientHeight = 2250;

QLabel *AddLabel(QWidget *window, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *AddButton(QWidget *window, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Neither button answers Enter on behalf of the other: only the focused one is pressed.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The single About window; cleared by its deletion.
QPointer<Form2> aboutWindow;

} // namespace

QString MakerNotice()
{
    return QString::fromUtf8(SOMATRA_MAKER_NOTICE);
}

Form2::Form2()
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About Somatra"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with the main window, even while the About window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(platform::DialogFont());
    setFixedSize(platform::TwipsToPixels(ClientWidth), platform::TwipsToPixels(ClientHeight));

    Label2 = AddLabel(this, "Label2",
        QStringLiteral("Somatra is a compact application designed to help you estimate the body "
                       "mass index (BMI) and daily energy expenditure (TEE) in order to create an "
                       "appropriate nutrition plan."),
        platform::TwipsRect(240, 240, 5535, 735));
    Label2->setWordWrap(true);
    Label2->setAccessibleName(QStringLiteral("Description"));
    Label2->setAccessibleDescription(QStringLiteral("What Somatra is for"));

    Label1 = AddLabel(this, "Label1", MakerNotice(), platform::TwipsRect(240, 1080, 5415, 255));
    Label1->setAccessibleName(QStringLiteral("Maker's notice"));
    Label1->setAccessibleDescription(QStringLiteral("Who makes Somatra"));

    // A line from (240, 1440) to (5520, 1440), one pixel thick, in the text colour.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);
    Line1->setMidLineWidth(0);
    Line1->setGeometry(platform::TwipsRect(240, 1440, 5520 - 240, platform::TwipsPerPixel));
    Line1->setAccessibleName(QStringLiteral("Separator"));

    // Created in tab order, so that "Close" comes first and takes the focus when the window opens.
    Command1
        = AddButton(this, "Command1", QStringLiteral("Close"), platform::TwipsRect(4440, 1680, 1095, 375));
    Command1->setAccessibleName(QStringLiteral("Close"));
    Command1->setAccessibleDescription(QStringLiteral("Closes the About window"));
    Command2 = AddButton(
        this, "Command2", QStringLiteral("Home Page"), platform::TwipsRect(2160, 1680, 1215, 375));
    Command2->setAccessibleName(QStringLiteral("Home Page"));
    Command2->setAccessibleDescription(QStringLiteral("Opens the Somatra home page in the web browser"));
    setTabOrder(Command1, Command2);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::Command1_Click()
{
    close();
}

void Form2::Command2_Click()
{
    OpenHomePage();
}

Form2 *ShowAboutWindow()
{
    // A closed window waits for its deferred deletion; it must not come back in that moment.
    if (aboutWindow && !aboutWindow->isVisible())
        aboutWindow = nullptr;
    if (!aboutWindow)
        aboutWindow = new Form2;
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
    return aboutWindow;
}
