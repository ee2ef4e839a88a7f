// The About window: one instance, its design state, its buttons and its lifecycle.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "about/form2.h"
#include "about/homepage.h"
#include "mainwindow/form1.h"
#include "platform/font.h"

namespace {

QList<Form2 *> AboutWindows()
{
    QList<Form2 *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form2 *>(widget); form && form->isVisible())
            windows.append(form);
    }
    return windows;
}

// Lets a closed window's deferred deletion run, as the event loop would.
void DeliverDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "About" as the menu item chooses it. The offscreen platform cannot raise windows and warns on every
// call; that warning is expected there and no finding.
Form2 *About()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
    static Form1 mainWindow;
    mainWindow.findChild<QAction *>(QStringLiteral("Ab"))->trigger();
    return AboutWindows().value(0);
}

QPushButton *Button(QWidget *form, const char *name)
{
    return form->findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

// Stands in for the desktop's web browser and counts the requests it receives.
class UrlReceiver : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> requests;
public slots:
    void open(const QUrl &url) { requests.append(url); }
};

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void aboutTwiceGivesOneWindow();
    void closeThenAboutGivesFreshWindow();
    void aboutRightAfterCloseGivesNewWindow();
    void titleBarCloseDiscardsWindow();
    void opensInDesignState();
    void controlGeometry_data();
    void controlGeometry();
    void tabMovesBetweenCloseAndHomePage();
    void homePageMakesOneRequestPerPress();
    void controlsHaveAccessibleNames();
};

void TestAbout::cleanup()
{
    QVERIFY2(!QApplication::activeModalWidget(), "an unexpected modal dialog is open");
    for (Form2 *form : AboutWindows())
        form->close();
    DeliverDeletions();
}

void TestAbout::aboutTwiceGivesOneWindow()
{
    // State: no About window. Action: "About" twice. Expected: the same single window, shown.
    Form2 *first = About();
    Form2 *second = About();
    QCOMPARE(second, first);
    QCOMPARE(AboutWindows().size(), 1);
    QVERIFY(first->isVisible());
}

void TestAbout::closeThenAboutGivesFreshWindow()
{
    // State: an About window whose focus was moved. Action: "Close", then "About".
    // Expected: the old window is gone and a new one stands in its design state.
    QPointer<Form2> old = About();
    Button(old, "Command2")->setFocus();
    QTest::mouseClick(Button(old, "Command1"), Qt::LeftButton);
    QVERIFY(!old->isVisible());
    DeliverDeletions();
    QVERIFY(old.isNull());
    QCOMPARE(AboutWindows().size(), 0);

    Form2 *fresh = About();
    QCOMPARE(AboutWindows().size(), 1);
    QCOMPARE(fresh->windowTitle(), QStringLiteral("About Somatra"));
    QCOMPARE(fresh->focusWidget(), Button(fresh, "Command1"));
    QCOMPARE(Button(fresh, "Command1")->geometry(), QRect(296, 112, 73, 25));
}

void TestAbout::aboutRightAfterCloseGivesNewWindow()
{
    // State: "Close" was pressed and the deletion has not run yet. Action: "About".
    // Expected: a new window; the closing one is not shown again.
    QPointer<Form2> old = About();
    QTest::mouseClick(Button(old, "Command1"), Qt::LeftButton);
    QPointer<Form2> fresh = About();
    QVERIFY(fresh != old);
    DeliverDeletions();
    QVERIFY(old.isNull());
    QVERIFY(!fresh.isNull());
    QVERIFY(fresh->isVisible());
    QCOMPARE(About(), fresh.data());
}

void TestAbout::titleBarCloseDiscardsWindow()
{
    // State: an About window. Action: close it as the title bar does. Expected: it is deleted.
    QPointer<Form2> form = About();
    QVERIFY(form->close());
    DeliverDeletions();
    QVERIFY(form.isNull());
    QCOMPARE(AboutWindows().size(), 0);
}

void TestAbout::opensInDesignState()
{
    // State: no About window. Action: "About". Expected: the design of the window.
    Form2 *form = About();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->objectName(), QStringLiteral("Form2"));
    QCOMPARE(form->windowTitle(), QStringLiteral("About Somatra"));
    QVERIFY(form->isWindow());
    QCOMPARE(form->parentWidget(), nullptr);
    QCOMPARE(form->windowModality(), Qt::NonModal);
    QCOMPARE(form->size(), QSize(385, 150));
    QCOMPARE(form->minimumSize(), QSize(385, 150));
    QCOMPARE(form->maximumSize(), QSize(385, 150));
    QCOMPARE(form->font(), platform::DialogFont());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form->testAttribute(Qt::WA_QuitOnClose));

    auto *label2 = form->findChild<QLabel *>(QStringLiteral("Label2"));
    QCOMPARE(label2->text(),
        QStringLiteral("Somatra is a compact application designed to help you estimate the body mass index "
                       "(BMI) and daily energy expenditure (TEE) in order to create an appropriate "
                       "nutrition plan."));
    QVERIFY(label2->wordWrap());
    QVERIFY(!label2->autoFillBackground());
    auto *label1 = form->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(label1->text(), MakerNotice());
    QVERIFY(!label1->wordWrap());
    QVERIFY(!label1->autoFillBackground());

    auto *line1 = form->findChild<QFrame *>(QStringLiteral("Line1"));
    QCOMPARE(line1->frameShape(), QFrame::HLine);
    QCOMPARE(line1->frameShadow(), QFrame::Plain);
    QCOMPARE(line1->lineWidth(), 1);

    QCOMPARE(Button(form, "Command1")->text(), QStringLiteral("Close"));
    QCOMPARE(Button(form, "Command2")->text(), QStringLiteral("Home Page"));

    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), Button(form, "Command1"));

    if (const QString path = qEnvironmentVariable("SOMATRA_ABOUT_SCREENSHOT"); !path.isEmpty())
        QVERIFY(form->grab().save(path));
}

void TestAbout::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // Twips divided by 15, as laid out.
    QTest::newRow("description Label2") << "Label2" << QRect(16, 16, 369, 49);
    QTest::newRow("maker's notice Label1") << "Label1" << QRect(16, 72, 361, 17);
    QTest::newRow("separator Line1") << "Line1" << QRect(16, 96, 352, 1);
    QTest::newRow("Home Page Command2") << "Command2" << QRect(144, 112, 81, 25);
    QTest::newRow("Close Command1") << "Command1" << QRect(296, 112, 73, 25);
}

void TestAbout::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Form2 *form = About();
    auto *control = form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), form);
    QCOMPARE(control->geometry(), geometry);
}

void TestAbout::tabMovesBetweenCloseAndHomePage()
{
    // State: a new About window, "Close" focused. Action: Tab, Tab. Expected: Home Page, then Close.
    Form2 *form = About();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), Button(form, "Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button(form, "Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button(form, "Command1"));
}

void TestAbout::homePageMakesOneRequestPerPress()
{
    // State: an About window and a stand-in browser. Action: "Home Page" three times.
    // Expected: three requests for the home page, and the window stays open.
    const QUrl home(HomePageAddress());
    UrlReceiver receiver;
    QDesktopServices::setUrlHandler(home.scheme(), &receiver, "open");
    Form2 *form = About();
    for (int press = 1; press <= 3; ++press) {
        QTest::mouseClick(Button(form, "Command2"), Qt::LeftButton);
        QCOMPARE(receiver.requests.size(), press);
    }
    QDesktopServices::unsetUrlHandler(home.scheme());
    for (const QUrl &url : receiver.requests)
        QCOMPARE(url, home);
    QVERIFY(form->isVisible());
    QCOMPARE(AboutWindows().size(), 1);
}

void TestAbout::controlsHaveAccessibleNames()
{
    Form2 *form = About();
    for (const char *name : { "Label2", "Label1", "Command2", "Command1" }) {
        auto *control = form->findChild<QWidget *>(QString::fromLatin1(name));
        // Screen readers read what the window shows.
        const QString shown = control->property("text").toString();
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), shown);
        QVERIFY2(!control->accessibleDescription().isEmpty(), name);
    }
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    TestAbout test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_about.moc"
