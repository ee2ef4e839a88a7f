// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Both windows as the X server shows them under a desktop's palette, style and scale: every line whole
// and every stripe present in its own colour, no caption clipped, the window within its screen, and
// with SOMATRA_AA=1 (dark and high-contrast palettes) every caption at 4.5:1 and every line, stripe,
// radio indicator and focus mark at 3:1 against the pixels behind it. CTest runs it once per setting
// under a window manager and once per language (LANGUAGE); -v prints each measurement.
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>

#include "about/form2.h"
#include "mainwindow/form1.h"
#include "platform/controls/legible.h"
#include "platform/qtfixes/labels.h"

namespace {

// The window's pixels as the X server holds them.
struct Shot
{
    explicit Shot(QWidget *shown)
        : window(shown)
    {
        QTest::qWait(150); // the last frame reaches the X server
        image = window->screen()->grabWindow(window->winId()).toImage();
    }

    QRect device(const QWidget *control, const QRect &rect) const // in device pixels
    {
        const QRectF area = rect.translated(control->mapTo(window, QPoint()));
        const qreal k = window->devicePixelRatioF();
        return QRectF(area.topLeft() * k, area.size() * k).toAlignedRect() & image.rect();
    }
    // The largest contrast of a pixel in the rectangle with the colour at the same place in behind.
    double most(const QRect &rect, const std::function<QRgb(int, int)> &behind) const
    {
        double most = 1;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                most = std::max(most, platform::ContrastRatio(image.pixel(x, y), behind(x, y)));
        }
        return most;
    }
    QRgb commonest(const QRect &rect) const
    {
        QHash<QRgb, int> seen;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                ++seen[image.pixel(x, y)];
        }
        const auto count = [](auto a, auto b) { return a.second < b.second; };
        return std::max_element(seen.keyValueBegin(), seen.keyValueEnd(), count)->first;
    }

    QWidget *window;
    QImage image;
};

void Fill(Form1 &form, const QString &weight)
{
    for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
        form.findChild<QRadioButton *>(option)->setChecked(!weight.isEmpty());
    const bool lbs = weight == "lbs"; // 5 ft 9 in, 150 lbs, the longest examples of work
    form.findChild<QRadioButton *>("Option13")->setChecked(lbs);
    form.findChild<QRadioButton *>("Option8")->setChecked(lbs);
    QString height = weight.section('/', 1);
    if (height.isEmpty())
        height = weight.isEmpty() ? "" : "175";
    form.findChild<QLineEdit *>("Text2")->setText(lbs ? "5" : height);
    form.findChild<QLineEdit *>("Text11")->setText(lbs ? "9" : "");
    form.findChild<QLineEdit *>("Text1")->setText(lbs ? "150" : weight.section('/', 0, 0));
}

// Where a control draws its caption, and the area whose commonest colour lies behind it.
QRect CaptionArea(QWidget *control, const QString &text)
{
    QStyleOptionGroupBox option;
    option.initFrom(control);
    option.text = text;
    option.subControls = QStyle::SC_GroupBoxLabel;
    if (control->inherits("QLabel"))
        return control->contentsRect();
    if (control->inherits("QGroupBox"))
        return control->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, control);
    if (control->inherits("QRadioButton"))
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
    return control->contentsRect().adjusted(3, 3, -3, -3); // inside a box's or button's frame
}

} // namespace

class TestLooks : public QObject
{
    Q_OBJECT
    const bool m_aa = qEnvironmentVariableIntValue("SOMATRA_AA") == 1;
    QStringList m_failures;

    // Prints what was measured, and counts it as a failure where it falls short.
    void expect(const QString &what, double ratio, double least, bool ok = true)
    {
        const QString measured = QString("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
        qInfo().noquote() << measured;
        if (!ok || (m_aa && ratio < least))
            m_failures << measured;
    }

    // Every caption fits (wrapped ones within their height), runs into no other caption or box, and reads
    // against what lies behind it; every option indicator stands out.
    void checkCaptions(QWidget *window, const Shot &shot)
    {
        QList<QPair<QWidget *, QRect>> inked; // where each caption's text and each box lies in the window
        for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
            if (!box->visibleRegion().isEmpty())
                inked.append({ box, QRect(box->mapTo(window, QPoint()), box->size()) });
        }
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const QString text
                = control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            if (text.isEmpty() || control->visibleRegion().isEmpty()) // hidden, or scrolled out of view
                continue;
            const QRect caption = CaptionArea(control, text);
            const bool boxed = control->inherits("QLineEdit") || control->inherits("QPushButton");
            const QRgb behind = shot.commonest(shot.device(control, boxed ? caption : control->rect()));
            // Where the text lies, as wrapped (the message at spaces only, as the label paints it).
            const QFontMetrics metrics = control->fontMetrics();
            const bool spaces = control->inherits("platform::SpaceWrapLabel");
            const bool wraps = spaces || control->property("wordWrap").toBool();
            const QStringList lines
                = spaces ? platform::WrapAtSpaces(text, metrics, caption.width()) : QStringList();
            int aligned = Qt::AlignLeft | Qt::AlignVCenter;
            if (auto *label = qobject_cast<QLabel *>(control))
                aligned = int(label->alignment());
            if (wraps && !spaces)
                aligned |= Qt::TextWordWrap;
            QRect drawn = metrics.boundingRect(caption, aligned, spaces ? lines.join('\n') : text);
            bool fits = wraps ? caption.contains(drawn) : metrics.horizontalAdvance(text) <= caption.width();
            if (spaces) {
                fits = lines.size() * metrics.lineSpacing() <= caption.height()
                    && std::all_of(lines.begin(), lines.end(), [&](const QString &line) {
                           return metrics.horizontalAdvance(line) <= caption.width();
                       });
            }
            // A pixel of the font's height or advance beside the glyphs is no collision.
            drawn = drawn.translated(control->mapTo(window, QPoint())).adjusted(1, 1, -1, -1);
            for (const auto &[other, area] : std::as_const(inked)) {
                if (!boxed && drawn.intersects(area))
                    expect(control->objectName() + " runs into " + other->objectName(), 0, 0, false);
            }
            if (!boxed)
                inked.append({ control, drawn });
            const QString width
                = QString("%1/%2 px").arg(metrics.horizontalAdvance(text)).arg(caption.width());
            expect(control->objectName() + (fits ? " text " : " clipped ") + width,
                platform::ContrastRatio(Stroke(shot, control, caption, behind), behind), 4.5, fits);
            if (control->inherits("QRadioButton"))
                checkIndicator(shot, control, behind);
        }
    }

    // The text's pixel is the one nearest its own colour, so that no line crossing the caption counts.
    static QRgb Stroke(const Shot &shot, const QWidget *control, const QRect &caption, QRgb behind)
    {
        const QColor ink = control->palette().color(control->foregroundRole());
        const auto away = [&ink](const QColor &c) {
            return std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green())
                + std::abs(c.blue() - ink.blue());
        };
        QRgb stroke = behind;
        const QRect area = shot.device(control, caption);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (away(shot.image.pixel(x, y)) < away(stroke))
                    stroke = shot.image.pixel(x, y);
            }
        }
        return stroke;
    }

    void checkIndicator(const Shot &shot, QWidget *option, QRgb behind)
    {
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect indicator
            = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
        expect(option->objectName() + " indicator",
            shot.most(shot.device(option, indicator), [behind](int, int) { return behind; }), 3);
    }

    // Each line is whole, each device pixel of its length but the ends in its colour, and every stripe
    // shows; both stand out from what lies around them.
    void checkMarks(QWidget *window, const Shot &shot)
    {
        const QList<QWidget *> marks
            = window->findChildren<QWidget *>(QRegularExpression("^(Line\\d+|Label49|Label50|Label51)$"));
        for (QWidget *mark : marks) {
            const QRect shown = mark->visibleRegion().boundingRect();
            if (shown.isEmpty()) // scrolled out of view, or a bar without width
                continue;
            const bool line = mark->objectName().startsWith("Line");
            const bool across = mark->width() >= mark->height();
            const QRgb colour = mark->palette().color(line ? QPalette::WindowText : QPalette::Window).rgb();
            // Each device pixel along the line shows its colour within a pixel of its place; where another
            // mark crosses a line, that mark's pixels count as the line's.
            const QRect area = shot.device(mark, shown);
            QRegion crossing;
            for (QWidget *other : marks) {
                if (line && other != mark)
                    crossing += shot.device(other, other->rect()) & area;
            }
            const QRect near = across ? area.adjusted(0, -1, 0, 1) : area.adjusted(-1, 0, 1, 0);
            QSet<int> along;
            for (int y = near.top(); y <= near.bottom(); ++y) {
                for (int x = near.left(); x <= near.right(); ++x) {
                    if (shot.image.pixel(x, y) == colour || crossing.contains(QPoint(x, y)))
                        along.insert(across ? x : y);
                }
            }
            const int share = qRound(100.0 * along.size() / (across ? area.width() : area.height()));
            int gaps = 0;
            for (int at = (across ? area.left() : area.top()) + 1;
                 line && at < (across ? area.right() : area.bottom()); ++at)
                gaps += !along.contains(at);
            // A line stands on what lies around it, a stripe on the inside of the box above the bars.
            const QRect around = line
                ? area.adjusted(-4, -4, 4, 4)
                : shot.device(window->findChild<QWidget *>("Line6"), QRect(20, 2, 500, 4));
            expect(QString("%1 %2 on %3 %, %4 gaps")
                       .arg(mark->objectName(), QColor(colour).name())
                       .arg(share)
                       .arg(gaps),
                platform::ContrastRatio(colour, shot.commonest(around & shot.image.rect())), 3,
                share >= 90 && gaps == 0);
        }
    }

    // The main window scrolls only where its design size and frame do not fit the free area; a scroll bar
    // shows only where the design, with room for the other bar, does not fit; the Tab key brings the
    // whole TEE into view, and at the bars' ends the content's far corner shows.
    void checkScrolling(Form1 &form, const QRect &free, bool lbs)
    {
        const QSize room = free.size().shrunkBy(form.windowHandle()->frameMargins());
        const QSize design(587, 617 + form.menuBar()->height());
        const auto *area = form.findChild<QScrollArea *>();
        QCOMPARE(area != nullptr, design.boundedTo(room) != design);
        for (int i = 0; i < (lbs ? 4 : 3); ++i) // Text2, (Text11,) Text1, Text3, then Text9
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *tee = form.findChild<QWidget *>("Text9");
        QCOMPARE(tee->visibleRegion().boundingRect(), tee->rect());
        if (!area)
            return;
        QScrollBar *across = area->horizontalScrollBar();
        QScrollBar *down = area->verticalScrollBar();
        const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        QCOMPARE(across->isVisible(), design.width() + (down->isVisible() ? bar : 0) > room.width());
        QCOMPARE(down->isVisible(), design.height() + (across->isVisible() ? bar : 0) > room.height());
        across->setValue(across->maximum());
        down->setValue(down->maximum());
        const QWidget *content = area->widget();
        QVERIFY(content->visibleRegion().contains(QPoint(content->width() - 1, content->height() - 1)));
    }

private slots:
    void init() { m_failures.clear(); }
    void cleanup() { QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join("; "))); }

    // State: the main window after a weight at 175 cm (or "weight/height"; "lbs" in English units), or
    // the About window, in the language asked for. Expected: as each check says; the framed window lies
    // within the screen's free area.
    void looks_data()
    {
        QTest::addColumn<QString>("weight");
        for (const char *row : { "", "50", "70", "80", "100", "1", "70/45", "1/45", "lbs", "about" })
            QTest::newRow(*row ? row : "start-up") << row;
    }
    void looks()
    {
        QFETCH(QString, weight);
        Form1 form;
        Form2 about;
        QWidget *window = weight == "about" ? static_cast<QWidget *>(&about) : &form;
        // Any language but English shows translated, with Qt's own texts where the system has them.
        const bool english = qEnvironmentVariable("LANGUAGE").isEmpty();
        QCOMPARE(form.findChild<QAction *>("Ab")->text() == "&About", english);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo") == "&Undo", english);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QWindow *framed = window->windowHandle();
        const QRect free = window->screen()->availableGeometry();
        QTRY_VERIFY2(framed->frameMargins().top() > 0 && free.contains(framed->frameGeometry()),
            qPrintable(QString("frame %1 %2 in %3")
                           .arg(framed->frameMargins().top())
                           .arg(QDebug::toString(framed->frameGeometry()), QDebug::toString(free))));
        Fill(form, weight);
        const Shot shot(window);
        checkCaptions(window, shot);
        checkMarks(window, shot);
        qInfo() << "window" << framed->frameGeometry() << "in" << free;
        if (window == &form)
            checkScrolling(form, free, weight == "lbs");
    }

    // State: the Tab key pressed from control to control. Expected: each control's focus mark stands
    // out from its look without the focus.
    void focusMarks()
    {
        Form1 form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QList<QWidget *> stops;
        QList<Shot> shots;
        for (int i = 0; i < 7; ++i) {
            stops << QApplication::focusWidget();
            shots << Shot(&form);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (qsizetype i = 0; i + 1 < stops.size(); ++i) {
            const QImage &without = shots[i + 1].image;
            expect(stops[i]->objectName() + " focus",
                shots[i].most(shots[i].device(stops[i], stops[i]->rect().adjusted(-3, -3, 3, 3)),
                    [&without](int x, int y) { return without.pixel(x, y); }),
                3);
        }
    }
};

QTEST_MAIN(TestLooks)
#include "test_looks.moc"
