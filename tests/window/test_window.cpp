// The main window and the About window as a person uses them and sees them: typing, pasting, options,
// units and keys; captions that fit, controls inside their frames, the tab chain, sharp pictures, and
// each window pixel for pixel as its reviewed picture. CTest runs it again with QT_SCALE_FACTOR=2.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "about/homepage.h"
#include "gui_test_main.h"
#include "mainwindow/form1.h"
#include "platform/controls.h"

struct Window
{
    Form1 form;

    Window() { form.show(), form.activateWindow(), (void)QTest::qWaitForWindowActive(&form); }
    static QList<QWidget *> About() // the About windows on screen
    {
        QList<QWidget *> windows = QApplication::topLevelWidgets();
        windows.removeIf(
            [](QWidget *w) { return w->objectName() != QLatin1String("Form2") || !w->isVisible(); });
        return windows;
    }
    template <typename T = QWidget> T *get(const char *name) const
    {
        if (auto *control = form.findChild<T *>(QLatin1String(name)))
            return control;
        qFatal("no control %s", name);
    }
    // What a person reads: a box's text, a label's caption or a frame's title.
    QString text(const char *name) const
    {
        auto *frame = qobject_cast<QGroupBox *>(get(name));
        return frame ? frame->title() : get(name)->property("text").toString();
    }
    QColor colour(const char *name, QPalette::ColorRole role) const
    {
        return get(name)->palette().color(role);
    }
    bool shows(const char *name) const { return get(name)->isVisibleTo(&form); }
    void key(const char *box, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(get(box), key, modifiers);
    }
    // Each step "TextN:digits" types, "TextN<text" pastes with Ctrl+V, "OptionN" clicks its round
    // indicator, where a person would, "Ab" chooses About.
    void perform(const QStringList &steps) const
    {
        for (const QString &step : steps) {
            const QByteArray name = step.section(QRegularExpression(QStringLiteral("[:<]")), 0, 0).toLatin1();
            if (name == "Ab") {
                form.findChild<QAction *>(name)->trigger();
                continue;
            }
            get(name)->setFocus();
            if (step.contains(QLatin1Char(':'))) {
                QTest::keyClicks(get(name), step.mid(name.size() + 1));
            } else if (step.contains(QLatin1Char('<'))) {
                QApplication::clipboard()->setText(step.mid(name.size() + 1));
                key(name, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(6, get(name)->height() / 2));
            }
        }
    }
};

namespace {

const QString kReduced = "BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)";
const QString kNormal = "BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)";
const QString kOverweight = "BMI is in the rang from 25 to 30 kg/m2 (overweight)";
const QString kObesity = "BMI is greater than 30 kg/m2 (obesity)";
const QString kRed = "#ff0000 #c00000 #ff0000 #ff8080 warning",
              kGreen = "#00c000 #008000 #00ff00 #80ff80 tick";
const QString kDarkRed = "#c00000 #c00000 #ff0000 #ff8080 warning";
const QStringList kChoices { "Option1", "Option10", "Option5",
    "Option7" }; // 18-29, male, moderate, non-active

// The message colour, the three bars from the bottom up and the picture beside the message.
QString Look(const Window &window)
{
    QStringList look { window.get("Label4")->palette().color(QPalette::WindowText).name() };
    for (const char *bar : { "Label49", "Label50", "Label51" })
        look << window.get(bar)->palette().color(QPalette::Window).name();
    return (look << QString(window.shows("Image1") ? "warning" : "") + (window.shows("Image2") ? "tick" : ""))
        .join(QLatin1Char(' '));
}

// Whether a label's text fits its box, wrapped at spaces as the message is; the pictures of the windows
// show that the other captions fit.
bool Fits(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QRect box = label->contentsRect();
    const QStringList lines = platform::WrapAtSpaces(label->text(), metrics, box.width());
    return std::all_of(lines.begin(), lines.end(), [&](const QString &line) {
        return metrics.horizontalAdvance(line) <= box.width();
    }) && lines.size() * metrics.lineSpacing() <= qMax(box.height(), metrics.height());
}

QStringList FocusChain(QWidget *start)
{
    QStringList names;
    for (QWidget *w = start; names.isEmpty() || w != start; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible())
            names << w->objectName();
    }
    return names;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened << url; } // stands in for the desktop's web browser

private slots:
    void cleanup()
    {
        QVERIFY2(!QApplication::activeModalWidget(), "an unexpected modal dialog");
        for (QWidget *about : Window::About())
            about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void workedExamples_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown"); // BMI, range and TEE
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("barTwips");
        QTest::addColumn<QString>("look");
        const auto row
            = [](const char *name, QStringList steps, const char *shown, const QString &message, int bar,
                  const QString &look) { QTest::newRow(name) << steps << shown << message << bar << look; };
        row("start-up", {}, "|00 - 00|", kReduced, 7245, kRed);
        row("70 kg, 175 cm, man 18-29", kChoices + QStringList { "Text2:175", "Text1:70" },
            "22.9|57 - 76|2,933", kNormal, 3270, kGreen);
        row("154 lbs, 5 ft 9 in", kChoices + QStringList { "Option13", "Text2:5", "Text11:9", "Text1:154" },
            "22.8|126 - 167|2,930", kNormal, 3240, kGreen);
        row("154 lbs, 5 ft", { "Option13", "Text2:5", "Text1:154" }, "30.1|95 - 128|", kObesity, 5430,
            kDarkRed);
        row("empty weight", { "Option1", "Option10", "Option4", "Option7", "Text2:175" }, "0.0|57 - 76|1,113",
            kReduced, 0, kRed);
        row("woman 60+, empty boxes", { "Option3", "Option11", "Option6", "Option9" }, "|00 - 00|1,180",
            kReduced, 7245, kRed);
        row("no age", { "Option10", "Option5", "Option7", "Text2:175", "Text1:70" }, "22.9|57 - 76|", kNormal,
            3270, kGreen);
        row("45 kg, 200 cm", { "Text2:200", "Text1:45" }, "11.3|74 - 100|", kReduced, 0, kRed);
        row("110 kg, 200 cm", { "Text2:200", "Text1:110" }, "27.5|74 - 100|", kOverweight, 4650, kRed);
        row("150 kg, 160 cm", { "Text2:160", "Text1:150" }, "58.6|47 - 64|", kObesity, 7245, kDarkRed);
        row("pasted 72.5 kg", { "Text2:175", "Text1<72.5" }, "23.7|57 - 76|", kNormal, 3510, kGreen);
        row("pasted blanks, hex", { "Text2<1 7 5cm", "Text1<&H46" }, "22.9|57 - 76|", kNormal, 3270, kGreen);
        row("pasted height beyond a double", { "Text2<1e999", "Text1:70" }, "|00 - 00|", kReduced, 7245,
            kRed);
    }
    void workedExamples()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, barTwips);
        Window window;
        window.perform(steps);
        QTEST(window.text("Text3") + "|" + window.text("Label23") + "|" + window.text("Text9"), "shown");
        QTEST(window.text("Label4"), "message");
        for (const char *bar : { "Label49", "Label50", "Label51" })
            QCOMPARE(window.get(bar)->width(), qRound(barTwips / 15.0));
        QTEST(Look(window), "look");
    }

    void commaLocaleWritesItsSeparators()
    {
        // Results in a locale with a decimal comma are read back by the next steps; inputs keep "."
        QLocale::setDefault(QLocale(QLocale::German));
        Window window;
        window.perform(kChoices + QStringList { "Text2:175", "Text1<70.0" });
        QLocale::setDefault(QLocale::c());
        QCOMPARE(window.text("Text3") + " " + window.text("Text9"), "22,9 2.933");
        QCOMPARE(window.get("Label49")->width(), 218);
    }

    void bmiExactlyThirtyKeepsThePreviousLook()
    {
        // State: overweight at 110 kg, 200 cm. Action: 120 kg in one paste (BMI exactly 30).
        // Expected: no category, so the message and the bar colours stay and both pictures hide.
        Window window;
        window.perform({ "Text2:200", "Text1:110" });
        window.key("Text1", Qt::Key_A, Qt::ControlModifier);
        window.perform({ "Text1<120" });
        QCOMPARE(window.text("Text3") + " " + window.text("Label4"), "30.0 " + kOverweight);
        QCOMPARE(Look(window), "#ff0000 #c00000 #ff0000 #ff8080 ");
        QCOMPARE(window.get("Label49")->width(), 360);
    }

    void onlyDigitsAreTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("composed"); // by an input method or a dead key
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("changes");
        const auto row = [](const char *name, const QString &typed, const QString &composed, const char *kept,
                             int changes) { QTest::newRow(name) << typed << composed << kept << changes; };
        row("digits", "75", "", "75", 2);
        row("letters, blank, point, comma, minus", "a .,-x", "", "", 0);
        row("composed characters", "7", QString::fromUtf8("\u00b2\u00e9\u0663"), "7", 1);
        row("composed digits", "", "70", "70", 1);
    }
    void onlyDigitsAreTyped()
    {
        // A refused key changes nothing, so it runs no pass.
        QFETCH(QString, typed);
        QFETCH(QString, composed);
        for (const char *box : { "Text1", "Text2", "Text11" }) {
            Window window;
            window.perform({ "Option13" });
            QSignalSpy changes(window.get<QLineEdit>(box), &QLineEdit::textChanged);
            window.perform({ box + (":" + typed) });
            QInputMethodEvent commit; // what an input method or a dead key hands over
            commit.setCommitString(composed);
            QApplication::sendEvent(window.get(box), &commit);
            QTEST(window.text(box), "kept");
            QTEST(int(changes.count()), "changes");
        }
    }

    void unitSwitch()
    {
        // State: every choice made, 175 cm, 70 kg. Action: English, then metric. Expected: captions and
        // names follow the units, the boxes and the TEE empty, the inches box only in English units.
        Window window;
        window.perform(kChoices + QStringList { "Text2:175", "Text1:70", "Option13" });
        const auto units = [&] {
            return QStringList { window.text("Label2"), window.text("Label1"), window.text("Frame5"),
                window.get("Text2")->accessibleName(), window.get("Text1")->accessibleName(),
                window.text("Text1") + window.text("Text2") + window.text("Text3") + window.text("Text9") }
                .join(QLatin1Char('|'));
        };
        QCOMPARE(units(), "ft|lbs|Appropriate weight (lbs)|Height (ft)|Weight (lbs)|");
        QVERIFY(window.shows("Text11") && window.shows("Label24"));
        QCOMPARE(QApplication::focusWidget(), window.get("Text2"));
        window.perform({ "Text2:5", "Text11:9" });
        QCOMPARE(window.text("Text9"), "1,193"); // weight 0, 175.26 cm
        window.perform({ "Option12" });
        QCOMPARE(units(), "cm|kg|Appropriate weight (kg)|Height (cm)|Weight (kg)|");
        QVERIFY(window.text("Text11").isEmpty() && !window.shows("Text11") && !window.shows("Label24"));
        // With both boxes empty a switch runs no pass: the range of 9 inches alone stays in pounds.
        window.perform({ "Option13", "Text11:9" });
        QCOMPARE(window.text("Label23"), "02 - 02");
        window.perform({ "Option12" });
        QCOMPARE(window.text("Label23"), "02 - 02");
        window.perform({ "Text11<1", "Text2:175", "Text1:70" }); // metric units never read the inches
        QCOMPARE(window.text("Text3"), "22.9");
    }

    void atWorkExamples_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("examples");
        const auto row
            = [](const char *option, const char *examples) { QTest::newRow(option) << option << examples; };
        row("Option7", "(teachers, office workers, traveling salesman , housewives) ");
        row("Option8",
            "(vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, "
            "some manufacturing jobs) ");
        row("Option9", "(workers, farmers, masons that all the work done by hand) ");
    }
    void atWorkExamples()
    {
        QFETCH(QString, option);
        Window window;
        window.perform({ "Option6", option, "Option4" }); // activity outside work writes no examples
        QTEST(window.text("Label22"), "examples");
    }

    void aboutWindow()
    {
        // "About" twice gives one window beside a working main window; Return presses the focused
        // button; Escape, Close and the title bar discard it; the next "About" builds it anew.
        QDesktopServices::setUrlHandler(QUrl(HomePageAddress()).scheme(), this, "open");
        Window window;
        for (const int close : { 0, 1, 2 }) {
            window.perform({ "Ab", "Ab" });
            QCOMPARE(Window::About().size(), 1);
            QPointer<QWidget> about = Window::About().value(0);
            QVERIFY(QTest::qWaitForWindowActive(about));
            QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
            if (close == 0) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTest::mouseClick(about->findChild<QPushButton *>("Command2"), Qt::LeftButton);
                QCOMPARE(opened, QList<QUrl>(2, QUrl(HomePageAddress())));
                window.perform({ "Text2:175" });
                QCOMPARE(window.text("Label23"), "57 - 76");
                QTest::keyClick(about, Qt::Key_Escape);
            } else if (close == 1) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            } else {
                about->close();
            }
            QVERIFY(Window::About().isEmpty());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(about.isNull());
        }
        QDesktopServices::unsetUrlHandler(QUrl(HomePageAddress()).scheme());
        window.perform({ "Ab" });
        window.form.close(); // closing the main window ends the About window with it
        QVERIFY(Window::About().isEmpty());
    }

    void captionsFit()
    {
        // Every label of both windows, the inches row, each category message and examples line.
        Window window;
        window.perform({ "Option13", "Text2:150", "Ab" });
        QList<QLabel *> labels
            = window.form.findChildren<QLabel *>() + Window::About().value(0)->findChildren<QLabel *>();
        for (const char *step : { "Option7", "Text1<50", "Option8", "Text1<66", "Option9", "Text1<660" }) {
            window.key("Text1", Qt::Key_A, Qt::ControlModifier); // each weight replaces the last
            window.perform({ step });
            for (QLabel *label : labels)
                QVERIFY2(!label->isVisible() || Fits(label), qPrintable(label->objectName()));
        }
    }

    void controlsStayInsideTheirContainers()
    {
        Window window;
        QCOMPARE(window.form.centralWidget()->size(), QSize(587, 617));
        QCOMPARE(window.form.minimumSize(), window.form.maximumSize());
        for (QWidget *control : window.form.centralWidget()->findChildren<QWidget *>()) {
            if (control->isVisible() && !control->parentWidget()->inherits("QAbstractScrollArea"))
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                    qPrintable(control->objectName()));
        }
    }

    void tabChainAndPictures()
    {
        QStringList options;
        for (int i = 1; i <= 13; ++i)
            options << QStringLiteral("Option%1").arg(i);
        Window window;
        QCOMPARE(
            FocusChain(window.get("Text2")), QStringList({ "Text2", "Text1", "Text3", "Text9" }) + options);
        window.perform({ "Option13" });
        QCOMPARE(FocusChain(window.get("Text2")).mid(0, 5),
            QStringList({ "Text2", "Text11", "Text1", "Text3", "Text9" }));
        // The pictures are drawn for the screen's pixel density.
        for (const char *name : { "Image1", "Image2" }) {
            const QPixmap picture = window.get<QLabel>(name)->pixmap();
            QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(32, 32));
            QCOMPARE(picture.devicePixelRatio(), window.form.devicePixelRatioF());
        }
    }

    // Each window as it opens and after the worked example, against the picture reviewed for this Qt
    // version and scale in tests/window/pictures. What differs is saved in the test's folder to look at.
    void looksAsReviewed_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("start-up") << QStringList();
        QTest::newRow("worked example")
            << QStringList { "Option1", "Option10", "Option5", "Option7", "Text2:175", "Text1:70" };
        QTest::newRow("about") << QStringList();
    }
    void looksAsReviewed()
    {
        QFETCH(QStringList, steps);
        QApplication::setCursorFlashTime(0); // a steady text cursor, whenever the picture is taken
        Window window;
        window.perform(steps);
        QWidget *shown = &window.form;
        if (QTest::currentDataTag() == QLatin1String("about")) {
            window.perform({ "Ab" });
            QVERIFY(QTest::qWaitForWindowExposed(shown = Window::About().value(0)));
        }
        const QString name = QString::asprintf("%s-qt%d.%d-%gx.png", QTest::currentDataTag(),
            QT_VERSION_MAJOR, QT_VERSION_MINOR, shown->devicePixelRatioF())
                                 .replace(' ', '-');
        const QImage reviewed
            = QImage(QStringLiteral(SOMATRA_PICTURES "/") + name).convertToFormat(QImage::Format_RGB32);
        const QImage seen = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (seen == reviewed)
            return;
        seen.save(QDir::current().absoluteFilePath(name));
        if (reviewed.isNull())
            QSKIP(qPrintable(
                QStringLiteral("nothing reviewed for this Qt version and scale: see %1").arg(name)));
        QFAIL(qPrintable(
            QStringLiteral("%1 differs from what was reviewed; see %2").arg(name, QDir::currentPath())));
    }

private:
    QList<QUrl> opened;
};

SOMATRA_GUI_TEST_MAIN(TestWindow)
#include "test_window.moc"
