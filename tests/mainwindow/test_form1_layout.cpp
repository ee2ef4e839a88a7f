// The main window's design state, checked control by control against the layout tables in twips.
#include <memory>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "gui_test_main.h"
#include "mainwindow/form1.h"

namespace {

enum class Kind
{
    Label,
    TextBox,
    MultiLine,
    Frame,
    Option,
    Combo,
    Image
};
enum Setting : unsigned
{
    None = 0,
    Hidden = 1,
    Centred = 2,
    RightAligned = 4,
    ReadOnly = 8,
    Selected = 16,
};

struct Rgb
{
    int r = -1, g = -1, b = -1;
    bool isSet() const { return r >= 0; }
    QColor colour() const { return QColor(r, g, b); }
};

constexpr const char *Window = "";
constexpr const char *OwnName = "\x01"; // placeholder: the control's own name

struct Control
{
    const char *name;
    Kind kind;
    const char *container;
    const char *caption;
    int left, top, width, height;
    int tab; // -1: none
    unsigned settings;
    Rgb fore;
    Rgb back;
};

// Tables 1 to 5 and 7 of the layout, in twips, in their own order.
const std::vector<Control> &Controls()
{
    using K = Kind;
    static const std::vector<Control> table {
        { "Frame7", K::Frame, Window, "Units", 600, 120, 2655, 630, 75, None, {}, {} },
        { "Option12", K::Option, "Frame7", "Metric", 360, 240, 855, 255, 76, Selected, {}, {} },
        { "Option13", K::Option, "Frame7", "English", 1440, 240, 975, 255, 77, None, {}, {} },
        { "Label7", K::Label, Window, "Height:", 720, 1140, 615, 255, 16, None, {}, {} },
        { "Text2", K::TextBox, Window, OwnName, 1320, 1080, 735, 375, 0, Centred, {}, {} },
        { "Label2", K::Label, Window, "cm", 2100, 1200, 375, 255, 11, None, {}, {} },
        { "Text11", K::TextBox, Window, OwnName, 2520, 1080, 735, 375, 1, Hidden | Centred, {}, {} },
        { "Label24", K::Label, Window, "inch", 3320, 1200, 495, 255, 78, Hidden, {}, {} },
        { "Label6", K::Label, Window, "Weight:", 720, 1620, 615, 255, 15, None, {}, {} },
        { "Text1", K::TextBox, Window, OwnName, 1320, 1560, 735, 375, 2, Centred, {}, {} },
        { "Label1", K::Label, Window, "kg", 2100, 1680, 615, 255, 10, None, {}, {} },
        { "Frame5", K::Frame, Window, "Appropriate weight (kg)", 2520, 1560, 2175, 495, 69, None, {}, {} },
        { "Label23", K::Label, "Frame5", OwnName, 120, 240, 1935, 255, 70, Centred, {}, {} },

        { "Frame1", K::Frame, Window, "Age", 600, 2160, 4095, 630, 56, None, {}, {} },
        { "Option1", K::Option, "Frame1", "18-29", 360, 260, 1095, 255, 57, None, {}, {} },
        { "Option2", K::Option, "Frame1", "30-59", 1440, 260, 855, 255, 58, None, {}, {} },
        { "Option3", K::Option, "Frame1", "60 and over", 2520, 260, 1215, 255, 59, None, {}, {} },
        { "Frame6", K::Frame, Window, "Sex", 5040, 2160, 3135, 630, 71, None, {}, {} },
        { "Option10", K::Option, "Frame6", "Male", 360, 240, 855, 255, 72, None, {}, {} },
        { "Option11", K::Option, "Frame6", "Female", 1680, 240, 975, 255, 73, None, {}, {} },

        { "Frame2", K::Frame, Window, "Levels of physical activity", 600, 3000, 7575, 2415, 60, None, {},
            {} },
        { "Frame3", K::Frame, "Frame2", "Non-occupational activity ", 240, 360, 7095, 630, 61, None, {}, {} },
        { "Option4", K::Option, "Frame3", "Non-active", 120, 280, 1095, 255, 63, None, {}, {} },
        { "Option5", K::Option, "Frame3", "Moderately active", 2760, 280, 1575, 255, 64, None, {}, {} },
        { "Option6", K::Option, "Frame3", "Very active", 5280, 280, 1335, 255, 65, None, {}, {} },
        { "Frame4", K::Frame, "Frame2", "Occupation work", 240, 1200, 7095, 630, 62, None, {}, {} },
        { "Option7", K::Option, "Frame4", "Non-active", 120, 240, 1335, 255, 66, None, {}, {} },
        { "Option8", K::Option, "Frame4", "Moderately active", 2760, 240, 1695, 255, 67, None, {}, {} },
        { "Option9", K::Option, "Frame4", "Very active", 5280, 240, 1455, 255, 68, None, {}, {} },
        { "Label22", K::Label, "Frame2", OwnName, 240, 1920, 7095, 375, 74, None, {}, {} },

        { "Label41", K::Label, Window, "BMI (kg/m", 600, 5880, 855, 255, 43, None, {}, {} },
        { "Label43", K::Label, Window, "2", 1350, 5865, 135, 255, 45, None, {}, {} },
        { "Label44", K::Label, Window, "):", 1440, 5880, 135, 255, 46, None, {}, {} },
        { "Label36", K::Label, Window, "<15", 1560, 5880, 375, 255, 38, None, {}, {} },
        { "Label37", K::Label, Window, "18,5", 2640, 5880, 375, 255, 39, None, {}, {} },
        { "Label38", K::Label, Window, "25", 4560, 5880, 255, 255, 40, None, {}, {} },
        { "Label39", K::Label, Window, "30", 6240, 5880, 375, 255, 41, None, {}, {} },
        { "Label40", K::Label, Window, "35<", 7560, 5880, 375, 255, 42, None, {}, {} },
        { "Label42", K::Label, Window, "Body mass:", 600, 6150, 1215, 255, 44, None, { 0, 0, 255 }, {} },
        { "Label52", K::Label, Window, "Reduced weight", 1560, 6150, 1215, 255, 50, None, { 255, 0, 0 }, {} },
        { "Label53", K::Label, Window, "Normal weight", 2880, 6150, 1695, 255, 51, Centred, { 0, 128, 0 },
            {} },
        { "Label54", K::Label, Window, "Owerweight", 4800, 6150, 1455, 255, 52, Centred, { 255, 0, 0 }, {} },
        { "Label55", K::Label, Window, "Obesity", 6360, 6150, 1335, 255, 53, Centred, { 192, 0, 0 }, {} },
        { "Label51", K::Label, Window, "", 810, 6480, 7245, 135, 49, None, {}, { 255, 128, 128 } },
        { "Label50", K::Label, Window, "", 810, 6600, 7245, 135, 48, None, {}, { 255, 0, 0 } },
        { "Label49", K::Label, Window, "", 810, 6720, 7245, 135, 47, None, {}, { 192, 0, 0 } },

        { "Label3", K::Label, Window, "BMI (Body Mass Index) :", 2280, 7320, 1815, 255, 12, None, {}, {} },
        { "Text3", K::TextBox, Window, OwnName, 4080, 7200, 1095, 495, 7, Centred | ReadOnly, {}, {} },
        { "Label5", K::Label, Window, "kg/m", 5280, 7320, 495, 255, 14, None, {}, {} },
        { "Label27", K::Label, Window, "2", 5670, 7275, 255, 255, 35, None, {}, {} },
        { "Image1", K::Image, Window, nullptr, 2760, 7575, 480, 480, -1, None, {}, {} },
        { "Image2", K::Image, Window, nullptr, 2760, 7680, 480, 480, -1, None, {}, {} },
        { "Label4", K::Label, Window, OwnName, 3360, 7680, 4215, 495, 13, None, {}, {} },
        { "Label14", K::Label, Window, "BMR:", 720, 7560, 495, 255, 23, None, {}, {} },
        { "Text6", K::TextBox, Window, OwnName, 1080, 7440, 975, 375, 24, Centred | ReadOnly, {}, {} },
        { "Label20", K::Label, Window, "kcal", 2160, 7560, 495, 255, 33, None, {}, {} },
        { "Label17", K::Label, Window, "PAL:", 7320, 7320, 375, 255, 28, None, {}, {} },
        { "Text7", K::TextBox, Window, OwnName, 7680, 7200, 495, 375, 27, Centred, {}, {} },
        { "Label19", K::Label, Window, "DIT: ", 7320, 7680, 495, 255, 30, None, {}, {} },
        { "Text8", K::TextBox, Window, OwnName, 7680, 7560, 495, 375, 31, Centred | ReadOnly, {}, {} },
        { "Label18", K::Label, Window, "TEE (Total Energy Expenditure) :", 1680, 8640, 2415, 255, 29, None,
            {}, {} },
        { "Text9", K::TextBox, Window, OwnName, 4080, 8520, 1095, 495, 32, Centred | ReadOnly, {}, {} },
        { "Label29", K::Label, Window, "kcal", 5280, 8640, 495, 255, 34, None, {}, {} },

        { "Label8", K::Label, Window, "Appropriate Limit", 8400, 960, 1695, 255, 17, Hidden, {}, {} },
        { "Label11", K::Label, Window, "kg", 9720, 960, 375, 255, 20, Hidden, {}, {} },
        { "Label21", K::Label, Window, "Lower:", 8280, 1200, 735, 375, 55, Hidden, {}, {} },
        { "Label9", K::Label, Window, "Upper :", 9240, 1200, 735, 255, 18, Hidden, {}, {} },
        { "Label10", K::Label, Window, "kg", 9960, 1560, 375, 255, 19, Hidden, {}, {} },
        { "Text4", K::TextBox, Window, OwnName, 8280, 1440, 735, 375, 8, Hidden | Centred | ReadOnly, {},
            { 192, 192, 255 } },
        { "Text5", K::TextBox, Window, OwnName, 9120, 1440, 735, 375, 9, Hidden | Centred | ReadOnly, {},
            { 192, 192, 255 } },
        { "Label12", K::Label, Window, "Age :", 10200, 1200, 975, 255, 21, Hidden, {}, {} },
        { "Combo1", K::Combo, Window, "18 - 29|30 - 59|over 60", 10560, 1200, 1095, 315, 3, Hidden, {}, {} },
        { "Label13", K::Label, Window, "Sex :", 10200, 1680, 735, 255, 22, Hidden, {}, {} },
        { "Combo2", K::Combo, Window, "Male|Female", 10560, 1680, 1095, 315, 4, Hidden, {}, {} },
        { "Label15", K::Label, Window, "Intensity Activities Outside Work :", 9600, 2160, 2415, 255, 25,
            Hidden, {}, {} },
        { "Combo3", K::Combo, Window, "Weak|Moderate|High", 10560, 2280, 1095, 315, 5, Hidden, {}, {} },
        { "Label16", K::Label, Window, "Intensity Activities At Work :", 9600, 2640, 2295, 255, 26, Hidden,
            {}, {} },
        { "Combo4", K::Combo, Window, "Weak|Moderate|High", 10560, 2760, 1095, 315, 6, Hidden, {}, {} },
        { "Label31", K::Label, Window, OwnName, 9000, 3360, 2175, 375, 37, Hidden, {}, {} },
        { "Text10", K::MultiLine, Window, OwnName, 9000, 3720, 2655, 495, 36, Hidden | ReadOnly, {}, {} },
        { "Label25", K::Label, Window, nullptr, 8640, 4560, 2175, 735, 54, Hidden | RightAligned,
            { 0, 0, 192 }, {} },
    };
    return table;
}

struct Line
{
    const char *name;
    int x1, y1, x2, y2;
    Rgb colour; // unset: the default text colour
};

// Table 6: end points in client-area twips.
const std::vector<Line> &Lines()
{
    static const std::vector<Line> table {
        { "Line1", 600, 840, 8160, 840, {} },
        { "Line2", 8160, 5760, 600, 5760, {} },
        { "Line5", 8160, 8280, 600, 8280, {} },
        { "Line4", 8160, 6120, 600, 6120, { 224, 224, 224 } },
        { "Line14", 1560, 6120, 1560, 6240, {} },
        { "Line13", 7800, 6120, 7800, 6240, {} },
        { "Line10", 2760, 6120, 2760, 6960, { 255, 0, 0 } },
        { "Line11", 4680, 6120, 4680, 6960, { 0, 128, 0 } },
        { "Line12", 6360, 6120, 6360, 6960, { 255, 0, 0 } },
        { "Line6", 600, 6360, 8160, 6360, { 64, 64, 64 } },
        { "Line7", 600, 6960, 8160, 6960, { 64, 64, 64 } },
        { "Line9", 600, 6360, 600, 6960, { 64, 64, 64 } },
        { "Line8", 8160, 6360, 8160, 6960, { 64, 64, 64 } },
    };
    return table;
}

const Control &Find(const QString &name)
{
    for (const Control &c : Controls()) {
        if (name == QLatin1String(c.name))
            return c;
    }
    qFatal("no control %s in the table", qPrintable(name));
}

int Px(int twips)
{
    return qRound(twips / 15.0);
}

bool Near(const QRect &actual, const QRect &expected)
{
    return qAbs(actual.left() - expected.left()) <= 1 && qAbs(actual.top() - expected.top()) <= 1
        && qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1;
}

QString Describe(const QRect &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

QStringList FocusChain(QWidget *window, QWidget *start)
{
    QStringList names;
    QWidget *w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled())
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    return names;
}

// The caption-bearing controls that are visible in the design, with the width the caption may use.
struct CaptionRoom
{
    QString text;
    int needed;
    int available;
};

CaptionRoom RoomFor(QWidget *control)
{
    if (auto *option = qobject_cast<QRadioButton *>(control)) {
        QStyleOptionButton opt;
        opt.initFrom(option);
        opt.text = option->text();
        const QRect contents = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, option);
        return { option->text(), option->fontMetrics().horizontalAdvance(option->text()),
            contents.intersected(option->rect()).width() };
    }
    if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label
            = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, frame);
        return { frame->title(), label.left() + frame->fontMetrics().horizontalAdvance(frame->title()),
            frame->width() };
    }
    auto *label = qobject_cast<QLabel *>(control);
    return { label->text(), label->fontMetrics().horizontalAdvance(label->text()),
        label->contentsRect().width() };
}

} // namespace

class TestForm1Layout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    template <typename T> T *Get(const QString &name)
    {
        auto *w = form->findChild<T *>(name);
        if (!w)
            qWarning("missing %s", qPrintable(name));
        return w;
    }

private slots:
    void init() { form = Form1::InDesignState(); }
    void cleanup()
    {
        form.reset();
        QVERIFY2(!QApplication::activeModalWidget(), "unexpected modal dialog");
    }

    // The window: fixed client area of 587 x 617 px under a menu bar with the single item "About".
    void window()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Somatra"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->centralWidget()->size(), QSize(587, 617));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->centralWidget()->y(), form->menuBar()->height());
        QVERIFY(form->styleSheet().isEmpty());

        const QList<QAction *> items = form->menuBar()->actions();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first()->objectName(), QStringLiteral("Ab"));
        QCOMPARE(items.first()->iconText(), QStringLiteral("About"));
        QVERIFY(!items.first()->menu());

        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    // Every control of the tables: kind, container, caption, place, visibility, colours and settings.
    void control_data()
    {
        QTest::addColumn<QString>("name");
        for (const Control &c : Controls())
            QTest::newRow(c.name) << QString::fromLatin1(c.name);
    }
    void control()
    {
        QFETCH(QString, name);
        const Control &c = Find(name);
        QWidget *w = form->findChild<QWidget *>(name);
        QVERIFY2(w, "control missing");

        // Kind
        switch (c.kind) {
        case Kind::Label:
        case Kind::Image:
            QVERIFY(qobject_cast<QLabel *>(w));
            break;
        case Kind::TextBox:
            QVERIFY(qobject_cast<QLineEdit *>(w));
            break;
        case Kind::MultiLine:
            QVERIFY(qobject_cast<QPlainTextEdit *>(w));
            break;
        case Kind::Frame:
            QVERIFY(qobject_cast<QGroupBox *>(w));
            break;
        case Kind::Option:
            QVERIFY(qobject_cast<QRadioButton *>(w));
            break;
        case Kind::Combo:
            QVERIFY(qobject_cast<QComboBox *>(w));
            break;
        }

        // Container: geometry is relative to it.
        QWidget *container
            = *c.container ? form->findChild<QWidget *>(QLatin1String(c.container)) : form->centralWidget();
        QCOMPARE(w->parentWidget(), container);
        const QRect expected(Px(c.left), Px(c.top), Px(c.width), Px(c.height));
        QVERIFY2(Near(w->geometry(), expected),
            qPrintable(Describe(w->geometry()) + QLatin1String(" expected ") + Describe(expected)));

        QCOMPARE(w->isHidden(), bool(c.settings & Hidden));

        // Caption, text or items
        const QString caption = c.caption == OwnName ? name : QString::fromUtf8(c.caption ? c.caption : "");
        if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            QCOMPARE(frame->title(), caption);
            QVERIFY(!frame->isCheckable());
        } else if (auto *option = qobject_cast<QRadioButton *>(w)) {
            QCOMPARE(option->text(), caption);
            QCOMPARE(option->isChecked(), bool(c.settings & Selected));
            QVERIFY(option->autoExclusive());
        } else if (auto *box = qobject_cast<QLineEdit *>(w)) {
            QCOMPARE(box->text(), caption);
            QCOMPARE(box->isReadOnly(), bool(c.settings & ReadOnly));
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask,
                (c.settings & Centred) ? Qt::AlignHCenter : Qt::AlignLeft);
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            QCOMPARE(memo->toPlainText(), caption);
            QCOMPARE(memo->isReadOnly(), bool(c.settings & ReadOnly));
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QCOMPARE(items, caption.split(QLatin1Char('|')));
            QVERIFY(!list->isEditable());
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->currentText(), QString());
        } else if (auto *label = qobject_cast<QLabel *>(w); label && c.kind == Kind::Label) {
            if (c.caption)
                QCOMPARE(label->text(), caption);
            else
                QVERIFY2(!label->text().isEmpty(), "the maker's notice is missing");
            const Qt::Alignment horizontal = (c.settings & Centred) ? Qt::AlignHCenter
                : (c.settings & RightAligned)                       ? Qt::AlignRight
                                                                    : Qt::AlignLeft;
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, horizontal);
            QVERIFY(label->wordWrap());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }

        // Colours: through the palette, never style sheets; only the bars paint a background.
        QVERIFY(w->styleSheet().isEmpty());
        const bool edit = c.kind == Kind::TextBox || c.kind == Kind::MultiLine;
        const QPalette defaults = form->centralWidget()->palette();
        const QPalette::ColorRole foreRole = edit ? QPalette::Text : QPalette::WindowText;
        const QPalette::ColorRole backRole = edit ? QPalette::Base : QPalette::Window;
        QCOMPARE(w->palette().color(foreRole), c.fore.isSet() ? c.fore.colour() : defaults.color(foreRole));
        QCOMPARE(w->palette().color(backRole), c.back.isSet() ? c.back.colour() : defaults.color(backRole));
        if (c.kind == Kind::Label || c.kind == Kind::Image)
            QCOMPARE(w->autoFillBackground(), c.back.isSet());
    }

    // Lines: one pixel wide between their end points, in their colour.
    void line_data()
    {
        QTest::addColumn<QString>("name");
        for (const Line &l : Lines())
            QTest::newRow(l.name) << QString::fromLatin1(l.name);
    }
    void line()
    {
        QFETCH(QString, name);
        const Line *l = nullptr;
        for (const Line &candidate : Lines()) {
            if (name == QLatin1String(candidate.name))
                l = &candidate;
        }
        auto *frame = Get<QFrame>(name);
        QVERIFY(frame);
        QCOMPARE(frame->parentWidget(), form->centralWidget());
        const bool horizontal = l->y1 == l->y2;
        QCOMPARE(frame->frameShape(), horizontal ? QFrame::HLine : QFrame::VLine);
        QCOMPARE(frame->frameShadow(), QFrame::Plain);
        QCOMPARE(frame->lineWidth(), 1);
        const QRect expected(QPoint(Px(qMin(l->x1, l->x2)), Px(qMin(l->y1, l->y2))),
            QPoint(Px(qMax(l->x1, l->x2)), Px(qMax(l->y1, l->y2))));
        QVERIFY2(Near(frame->geometry(), expected),
            qPrintable(Describe(frame->geometry()) + QLatin1String(" expected ") + Describe(expected)));
        QCOMPARE(horizontal ? frame->height() : frame->width(), 1);
        const QColor colour = l->colour.isSet()
            ? l->colour.colour()
            : form->centralWidget()->palette().color(QPalette::WindowText);
        QCOMPARE(frame->palette().color(QPalette::WindowText), colour);
    }

    // The two pictures: 32 x 32 px at their place, drawn for the screen's pixel density.
    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("warning") << "Image1";
        QTest::newRow("tick") << "Image2";
    }
    void pictures()
    {
        QFETCH(QString, name);
        auto *image = Get<QLabel>(name);
        QVERIFY(image);
        const QPixmap pixmap = image->pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(pixmap.devicePixelRatio(), image->devicePixelRatioF());
        // Transparent surround, coloured middle.
        const QImage art = pixmap.toImage();
        QCOMPARE(art.pixelColor(0, 0).alpha(), 0);
        QVERIFY(art.pixelColor(art.width() / 2, art.height() * 3 / 4).alpha() > 0);
    }

    // State: design. Expected: only Option12 selected, and each frame is an exclusive group of its own.
    void optionGroupsAreExclusivePerFrame_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("nothing clicked") << QStringList() << QStringList { "Option12" };
        QTest::newRow("outside work and at work are separate groups")
            << QStringList { "Option4", "Option8" } << QStringList { "Option4", "Option8", "Option12" };
        QTest::newRow("outside work choice leaves at work alone") << QStringList { "Option4", "Option8",
            "Option6" } << QStringList { "Option6", "Option8", "Option12" };
        QTest::newRow("at work choice leaves outside work alone") << QStringList { "Option5", "Option7",
            "Option9" } << QStringList { "Option5", "Option9", "Option12" };
        QTest::newRow("age, sex and units") << QStringList { "Option1", "Option3", "Option11", "Option13" }
                                            << QStringList { "Option3", "Option11", "Option13" };
    }
    void optionGroupsAreExclusivePerFrame()
    {
        QFETCH(QStringList, clicked);
        QFETCH(QStringList, selected);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const QString &name : clicked) {
            auto *option = Get<QRadioButton>(name);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        }
        QStringList actual;
        for (int i = 1; i <= 13; ++i) {
            auto *option = Get<QRadioButton>(QStringLiteral("Option%1").arg(i));
            if (option->isChecked())
                actual << option->objectName();
        }
        QCOMPARE(actual, selected);
    }

    // Tab order among the visible controls that take focus, as the window opens and in English units.
    void tabOrder_data()
    {
        QTest::addColumn<bool>("inchesShown");
        QTest::addColumn<QStringList>("order");
        const QStringList options { "Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
            "Option7", "Option8", "Option9", "Option10", "Option11", "Option12", "Option13" };
        QTest::newRow("design state")
            << false
            << (QStringList { "Text2", "Text1", "Text3", "Text6", "Text7", "Text8", "Text9" } + options);
        QTest::newRow("inches box shown after the height")
            << true
            << (QStringList { "Text2", "Text11", "Text1", "Text3", "Text6", "Text7", "Text8", "Text9" }
                   + options);
    }
    void tabOrder()
    {
        QFETCH(bool, inchesShown);
        QFETCH(QStringList, order);
        Get<QWidget>(QStringLiteral("Text11"))->setVisible(inchesShown);
        QCOMPARE(FocusChain(form.get(), Get<QWidget>(QStringLiteral("Text2"))), order);
        // The rows that Form_Load hides leave the documented start-up order.
        for (const char *hidden : { "Text6", "Text7", "Text8" })
            Get<QWidget>(QLatin1String(hidden))->hide();
        order.removeAll(QStringLiteral("Text6"));
        order.removeAll(QStringLiteral("Text7"));
        order.removeAll(QStringLiteral("Text8"));
        QCOMPARE(FocusChain(form.get(), Get<QWidget>(QStringLiteral("Text2"))), order);
    }

    // Real Tab presses follow the same chain and start from the height box.
    void tabKeyWalksTheChain()
    {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), Get<QWidget>(QStringLiteral("Text2")));
        QStringList walked { QApplication::focusWidget()->objectName() };
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        const QStringList expected { "Text2", "Text1", "Text3", "Text6", "Text7" };
        QCOMPARE(walked, expected);
    }

    // Screen readers announce each input, option group and result by these names.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("weight") << "Text1"
                                << "Weight (kg)";
        QTest::newRow("height") << "Text2"
                                << "Height (cm)";
        QTest::newRow("inches") << "Text11"
                                << "Inches";
        QTest::newRow("BMI") << "Text3"
                             << "Body mass index";
        QTest::newRow("BMI category follows the message") << "Label4"
                                                          << "Label4";
        QTest::newRow("weight range follows the range") << "Label23"
                                                        << "Label23";
        QTest::newRow("weight range group follows its title") << "Frame5"
                                                              << "Appropriate weight (kg)";
        QTest::newRow("BMI unit reads as one") << "Label5"
                                               << "kg/m²";
        QTest::newRow("TEE") << "Text9"
                             << "Total energy expenditure";
        QTest::newRow("units") << "Frame7"
                               << "Units";
        QTest::newRow("age") << "Frame1"
                             << "Age";
        QTest::newRow("sex") << "Frame6"
                             << "Sex";
        QTest::newRow("outside work") << "Frame3"
                                      << "Activity outside work";
        QTest::newRow("at work") << "Frame4"
                                 << "Activity at work";
        QTest::newRow("age 60 and over") << "Option3"
                                         << "60 years and over";
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QWidget *w = Get<QWidget>(name);
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), spoken);
    }

    // Every input, option and result has an accessible name, not only those checked above.
    void everyInputHasAnAccessibleName()
    {
        for (const Control &c : Controls()) {
            const bool captionedLabel
                = c.kind == Kind::Label && c.caption && c.caption != OwnName && *c.caption;
            QWidget *w = Get<QWidget>(QLatin1String(c.name));
            if (!captionedLabel && !w->property("accessibleIgnored").toBool()) // a caption speaks for itself
                QVERIFY2(
                    !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(), c.name);
        }
    }

    // Each caption that shows in the window fits on one line in its box with the chosen font, also at
    // 200 % (the suite runs again with QT_SCALE_FACTOR=2).
    void captionFits_data()
    {
        QTest::addColumn<QString>("name");
        for (const Control &c : Controls()) {
            const bool captioned = c.kind == Kind::Frame || c.kind == Kind::Option
                || (c.kind == Kind::Label && c.caption && c.caption != OwnName && *c.caption);
            if (captioned && !(c.settings & Hidden))
                QTest::newRow(c.name) << QString::fromLatin1(c.name);
        }
        // Shown in English units only.
        QTest::newRow("Label24") << "Label24";
    }
    void captionFits()
    {
        QFETCH(QString, name);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const CaptionRoom room = RoomFor(Get<QWidget>(name));
        QVERIFY2(room.needed <= room.available,
            qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3 px at scale %4")
                           .arg(room.text)
                           .arg(room.needed)
                           .arg(room.available)
                           .arg(form->devicePixelRatioF())));
    }

    // The font: the same dialog font throughout, as no control sets one of its own.
    void oneFontThroughout()
    {
        const QFont font = form->font();
        for (QWidget *w : form->centralWidget()->findChildren<QWidget *>())
            QVERIFY2(w->font() == font, qPrintable(w->objectName()));
        QVERIFY(QFontInfo(font).pixelSize() >= 10);
    }
};

SOMATRA_GUI_TEST_MAIN(TestForm1Layout)
#include "test_form1_layout.moc"
