// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Both windows as the X server shows them under a desktop's palette, style and scale: every line whole
// and every stripe present in its own colour, no caption clipped, the window within its screen, under
// a light palette other than the design's no fixed colour lighter than the design's, and with
// SOMATRA_AA=1 (dark and high-contrast palettes) every caption at 4.5:1 and every line, stripe, radio
// indicator and focus mark at 3:1 against the pixels behind it. CTest runs it once per setting under a
// window manager and once per language (LANGUAGE); -v prints each measurement.
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
#include "platform/desktop.h"
#include "platform/painted.h"

namespace {

// The window's pixels as the X server holds them.
struct Shot
{
    QWidget *window;
    QImage image = (QTest::qWait(150), window->screen()->grabWindow(window->winId()).toImage());

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
        QRgb pair[2] = {}; // the last pair measured: runs of equal pixels are measured once
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb pixel = image.pixel(x, y), other = behind(x, y);
                if (std::exchange(pair[0], pixel) != pixel || std::exchange(pair[1], other) != other)
                    most = std::max(most, platform::ContrastRatio(pixel, other));
            }
        return most;
    }
    QRgb commonest(const QRect &rect) const
    {
        QHash<QRgb, int> seen;
        most(rect, [&](int x, int y) { return ++seen[image.pixel(x, y)], 0u; });
        return std::max_element(seen.keyValueBegin(), seen.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    }
};

void Fill(Form1 &form, const QString &weight)
{
    for (const char *option : { "Option1", "Option10", "Option5", "Option7" })
        form.findChild<QRadioButton *>(option)->setChecked(!weight.isEmpty());
    const bool lbs = weight == "lbs"; // 5 ft 9 in, 150 lbs, the longest examples of work
    form.findChild<QRadioButton *>("Option13")->setChecked(lbs);
    form.findChild<QRadioButton *>("Option8")->setChecked(lbs);
    form.findChild<QLineEdit *>("Text2")->setText(weight.isEmpty() ? ""
            : lbs                                                  ? "5"
            : weight.section('/', 1).isEmpty()                     ? "175"
                                                                   : weight.section('/', 1));
    form.findChild<QLineEdit *>("Text11")->setText(lbs ? "9" : "");
    form.findChild<QLineEdit *>("Text1")->setText(lbs ? "150" : weight.section('/', 0, 0));
}

// A line's or caption's colour, or a stripe's: the background it fills.
QColor Own(const QWidget *control)
{
    return control->palette().color(control->autoFillBackground() ? QPalette::Window : QPalette::WindowText);
}

// The fixed colours of the lines, stripes and captions (not the text's) on the design palette.
QHash<QString, QColor> DesignShades(const QString &weight)
{
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(239, 239, 239), QColor(239, 239, 239))); // with black text
    Form1 form;
    Fill(form, weight);
    QHash<QString, QColor> shades;
    for (QWidget *control : form.findChildren<QWidget *>(QRegularExpression("^(Line|Label)\\d+$")))
        if (control->autoFillBackground() || Own(control) != Qt::black)
            shades[control->objectName()] = Own(control);
    QApplication::setPalette(desktop);
    return shades;
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
        qInfo().noquote() << QString("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
        if (!ok || (m_aa && ratio < least))
            m_failures << QString("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
    }

private slots:
    void init() { m_failures.clear(); }
    void cleanup() { QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join("; "))); }

    // State: the main window after a weight at 175 cm (or "weight/height"; "lbs" in English units), or
    // the About window. Expected: in the language asked for, captions fit (wrapped ones within their
    // height) and read, option indicators, lines and stripes stand out, lines and stripes in their own
    // colours; the framed window lies within the screen's free area; the main window scrolls only where
    // its design size and frame do not fit, and the Tab key brings the whole TEE into view.
    void looks_data()
    {
        QTest::addColumn<QString>("weight");
        for (const char *row : { "", "50", "70", "80", "100", "1", "70/45", "1/45", "lbs", "about" })
            QTest::newRow(*row ? row : "start-up") << row;
    }
    void looks()
    {
        QFETCH(QString, weight);
        const QHash<QString, QColor> designShades = DesignShades(weight);
        Form1 form;
        Form2 about;
        QWidget *window = weight == "about" ? static_cast<QWidget *>(&about) : &form;
        // Any language but English shows translated, with Qt's own texts where the system has them.
        QCOMPARE(
            form.findChild<QAction *>("Ab")->text() == "&About", qEnvironmentVariable("LANGUAGE").isEmpty());
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo") == "&Undo",
            qEnvironmentVariable("LANGUAGE").isEmpty());
        window->show(), window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QWindow *framed = window->windowHandle();
        const QRect free = window->screen()->availableGeometry();
        QTRY_VERIFY2(framed->frameMargins().top() > 0 && free.contains(framed->frameGeometry()),
            qPrintable(QString("frame %1 %2 in %3")
                           .arg(framed->frameMargins().top())
                           .arg(QDebug::toString(framed->frameGeometry()), QDebug::toString(free))));
        Fill(form, weight);
        const bool lbs = weight == "lbs";
        const Shot shot { window };
        QList<QPair<QWidget *, QRect>> inked; // where each caption's text and each box lies in the window
        for (QLineEdit *box : window->findChildren<QLineEdit *>())
            if (!box->visibleRegion().isEmpty())
                inked.append({ box, QRect(box->mapTo(window, QPoint()), box->size()) });
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const QString text
                = control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            if (text.isEmpty() || control->visibleRegion().isEmpty()) // hidden, or scrolled out of view
                continue;
            // Where the caption is drawn, on what lies behind it: a box's or a button's own colour.
            QStyleOptionGroupBox option;
            option.initFrom(control), option.text = text, option.subControls = QStyle::SC_GroupBoxLabel;
            QRect caption
                = control->contentsRect().adjusted(3, 3, -3, -3); // inside a box's or button's frame
            if (control->inherits("QLabel"))
                caption = control->contentsRect();
            if (control->inherits("QGroupBox"))
                caption = control->style()->subControlRect(
                    QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, control);
            if (control->inherits("QRadioButton"))
                caption = control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
            const bool boxed = control->inherits("QLineEdit") || control->inherits("QPushButton");
            const QRgb behind = shot.commonest(shot.device(control, boxed ? caption : control->rect()));
            // Where the text lies, as wrapped (the message at spaces only), and whether that fits.
            const QFontMetrics metrics = control->fontMetrics();
            const bool spaces = control->inherits("platform::SpaceWrapLabel"),
                       wraps = spaces || control->property("wordWrap").toBool();
            const int aligned = control->inherits("QLabel") ? int(static_cast<QLabel *>(control)->alignment())
                                                            : Qt::AlignLeft | Qt::AlignVCenter;
            const QStringList lines
                = spaces ? platform::WrapAtSpaces(text, metrics, caption.width()) : QStringList();
            QRect drawn = metrics.boundingRect(caption, aligned | (wraps && !spaces ? Qt::TextWordWrap : 0),
                spaces ? lines.join('\n') : text);
            bool fits = wraps ? caption.contains(drawn) : metrics.horizontalAdvance(text) <= caption.width();
            if (spaces) // laid out by advances, as the label paints it
                fits = lines.size() * metrics.lineSpacing() <= caption.height()
                    && std::all_of(lines.begin(), lines.end(), [&](const QString &line) {
                           return metrics.horizontalAdvance(line) <= caption.width();
                       });
            // The text's pixel is the one nearest its own colour, so that no line crossing the caption
            // counts as its text.
            const QColor ink = control->palette().color(control->foregroundRole());
            QRgb stroke = behind;
            shot.most(shot.device(control, caption), [&](int x, int y) {
                const QColor seen = shot.image.pixel(x, y), was = stroke;
                const auto away = [&](const QColor &c) {
                    return std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green())
                        + std::abs(c.blue() - ink.blue());
                };
                stroke = away(seen) < away(was) ? seen.rgb() : stroke;
                return behind;
            });
            // No caption runs into another or under a box; a pixel of the font's height or advance
            // beside the glyphs is no collision.
            drawn = drawn.translated(control->mapTo(window, QPoint())).adjusted(1, 1, -1, -1);
            for (const auto &[other, area] : std::as_const(inked))
                if (!boxed && drawn.intersects(area))
                    expect(control->objectName() + " runs into " + other->objectName(), 0, 0, false);
            if (!boxed)
                inked.append({ control, drawn });
            expect(control->objectName() + (fits ? " text " : " clipped ")
                    + QString("%1/%2 px").arg(metrics.horizontalAdvance(text)).arg(caption.width()),
                platform::ContrastRatio(stroke, behind), 4.5, fits);
            if (control->inherits("QRadioButton"))
                expect(control->objectName() + " indicator",
                    shot.most(shot.device(control,
                                  control->style()->subElementRect(
                                      QStyle::SE_RadioButtonIndicator, &option, control)),
                        [&](int, int) { return behind; }),
                    3);
        }
        const QList<QWidget *> marks
            = window->findChildren<QWidget *>(QRegularExpression("^(Line\\d+|Label49|Label50|Label51)$"));
        for (QWidget *mark : marks) {
            const QRect shown = mark->visibleRegion().boundingRect();
            if (shown.isEmpty()) // scrolled out of view, or a bar without width
                continue;
            const bool line = mark->objectName().startsWith("Line"), across = mark->width() >= mark->height();
            const QRgb colour = mark->palette().color(line ? QPalette::WindowText : QPalette::Window).rgb();
            // Each device pixel along the line shows its colour within a pixel of its place; where another
            // mark crosses a line, that mark's pixels count as the line's.
            const QRect area = shot.device(mark, shown);
            QRegion crossing;
            for (QWidget *other : marks)
                crossing += line && other != mark ? shot.device(other, other->rect()) & area : QRect();
            QSet<int> along;
            shot.most(across ? area.adjusted(0, -1, 0, 1) : area.adjusted(-1, 0, 1, 0), [&](int x, int y) {
                if (shot.image.pixel(x, y) == colour || crossing.contains(QPoint(x, y)))
                    along.insert(across ? x : y);
                return colour;
            });
            const int share = qRound(100.0 * along.size() / (across ? area.width() : area.height()));
            // A line is whole: every device pixel of its length but the ends, which it may cover in part.
            int gaps = 0;
            for (int at = (across ? area.left() : area.top()) + 1;
                 line && at < (across ? area.right() : area.bottom()); ++at)
                gaps += !along.contains(at);
            // A line stands on what lies around it, a stripe on the inside of the box above the bars.
            const QRect around = line ? area.adjusted(-4, -4, 4, 4)
                                      : shot.device(form.findChild<QWidget *>("Line6"), QRect(20, 2, 500, 4));
            expect(QString("%1 %2 on %3 %, %4 gaps")
                       .arg(mark->objectName(), QColor(colour).name(), QString::number(share),
                           QString::number(gaps)),
                platform::ContrastRatio(colour, shot.commonest(around & shot.image.rect())), 3,
                share >= 90 && gaps == 0);
        }
        // Under a light palette other than the design's, each fixed colour keeps its shade or darkens.
        const QColor back = window->palette().color(QPalette::Window);
        const bool light = !platform::ShowsDesignPalette(window)
            && platform::ContrastRatio(Qt::black, back) > platform::ContrastRatio(Qt::white, back);
        for (auto it = designShades.cbegin(); light && window == &form && it != designShades.cend(); ++it) {
            const QColor now = Own(form.findChild<QWidget *>(it.key()));
            expect(QString("%1 %2 to designed %3, lightness").arg(it.key(), now.name(), it->name()),
                now.lightnessF() / it->lightnessF(), 0, now.lightness() <= it->lightness());
        }
        qInfo() << "window" << framed->frameGeometry() << "in" << free;
        if (window != &form)
            return;
        const QSize room = free.size().shrunkBy(framed->frameMargins()),
                    design(587, 617 + form.menuBar()->height());
        const auto *area = form.findChild<QScrollArea *>();
        QCOMPARE(area != nullptr, design.boundedTo(room) != design);
        // The Tab key scrolls to the TEE: Text2, (Text11,) Text1, Text3, then Text9, into view. The scroll
        // bars lie within the window, which lies within the screen's free area.
        for (int i = 0; i < (lbs ? 4 : 3); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *tee = form.findChild<QWidget *>("Text9");
        QCOMPARE(tee->visibleRegion().boundingRect(), tee->rect());
        if (!area)
            return;
        // A scroll bar shows only where the design, with room for the other bar, does not fit; at the
        // bars' ends the content's far corner shows.
        QScrollBar *across = area->horizontalScrollBar(), *down = area->verticalScrollBar();
        const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        QCOMPARE(across->isVisible(), design.width() + (down->isVisible() ? bar : 0) > room.width());
        QCOMPARE(down->isVisible(), design.height() + (across->isVisible() ? bar : 0) > room.height());
        across->setValue(across->maximum()), down->setValue(down->maximum());
        const QWidget *content = area->widget();
        QVERIFY(content->visibleRegion().contains(QPoint(content->width() - 1, content->height() - 1)));
    }

    // State: the Tab key pressed from control to control. Expected: each control's focus mark stands
    // out from its look without the focus.
    void focusMarks()
    {
        Form1 form;
        form.show(), form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QList<QWidget *> stops;
        QList<Shot> shots;
        for (int i = 0; i < 7; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            stops << QApplication::focusWidget(), shots << Shot { &form };
        for (qsizetype i = 0; i + 1 < stops.size(); ++i)
            expect(stops[i]->objectName() + " focus",
                shots[i].most(shots[i].device(stops[i], stops[i]->rect().adjusted(-3, -3, 3, 3)),
                    [&](int x, int y) { return shots[i + 1].image.pixel(x, y); }),
                3);
    }
};

QTEST_MAIN(TestLooks)
#include "test_looks.moc"
