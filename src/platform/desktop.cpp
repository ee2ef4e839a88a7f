// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/desktop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOption>
#include <QWindow>

#include "platform/controls.h"

namespace platform {

namespace {

double Luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

QColor WithLightness(const QColor &colour, double lightness)
{
    return QColor::fromHslF(
        std::max(colour.hslHueF(), 0.0f), colour.hslSaturationF(), float(std::clamp(lightness, 0.0, 1.0)));
}

// Against a dark background a colour gains contrast by getting lighter, against a light one darker.
bool LighterReads(const QColor &background)
{
    return ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
}

// The least step of lightness, 0 to 1, that takes every shade to the ratio; 1 where none does.
double SearchLeastStep(const QColor *shades, std::size_t count, const QColor &background, double ratio)
{
    const double sign = LighterReads(background) ? 1 : -1;
    const auto reaches = [&](double step) {
        return std::all_of(shades, shades + count, [&](const QColor &shade) {
            return ContrastRatio(WithLightness(shade, shade.lightnessF() + sign * step), background) >= ratio;
        });
    };
    if (reaches(0))
        return 0;
    double low = 0, high = 1;
    for (int i = 0; i < 16; ++i) {
        const double middle = (low + high) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    return sign * high;
}

// The same, remembered: every pass and every painted frame asks again for the few colours of the
// design on the same background, and a search costs some hundred times a lookup.
double LeastStep(const QColor *shades, std::size_t count, const QColor &background, double ratio)
{
    struct Known
    {
        std::array<QRgb, 3> shades;
        std::size_t count;
        QRgb background;
        double ratio;
        double step;
    };
    static std::vector<Known> known;
    std::array<QRgb, 3> key {};
    count = std::min(count, key.size());
    for (std::size_t i = 0; i < count; ++i)
        key[i] = shades[i].rgba();
    for (const Known &entry : known) {
        if (entry.shades == key && entry.count == count && entry.background == background.rgba()
            && entry.ratio == ratio)
            return entry.step;
    }
    // A few palettes' worth; a desktop that keeps changing its palette starts the list again.
    if (known.size() >= 64)
        known.clear();
    const double step = SearchLeastStep(shades, count, background, ratio);
    known.push_back({ key, count, background.rgba(), ratio, step });
    return step;
}

QColor Background(const QWidget *control)
{
    const QWidget *behind = control->parentWidget() ? control->parentWidget() : control;
    return behind->palette().color(QPalette::Window);
}

// Antialiased strokes seldom reach their full colour on screen: colours aim this much above a ratio.
constexpr double kMargin = 1.15;

QColor LegibleOn(const QColor &background, const QColor &given, double ratio)
{
    return WithLightness(given, given.lightnessF() + LeastStep(&given, 1, background, ratio * kMargin));
}

// Fusion, whose metrics the fixed layout is designed for, with the outlines of radio indicators and
// text boxes, button frames and focus marks drawn over in colours that reach the ratio for graphics.
// Fusion derives those outlines from the palette's Window and Highlight colours by fixed steps, which
// on many palettes stay below 3:1 (Qt 6.4 to 6.8); on the design palette they are left as Fusion draws.
class LegibleFusion : public QProxyStyle
{
public:
    LegibleFusion()
        : QProxyStyle(QStringLiteral("Fusion"))
    { }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (widget && ShowsDesignPalette(widget))
            return;
        const QColor background = option->palette.color(QPalette::Window);
        const bool focus = option->state & State_HasFocus;
        const bool keyboardFocus = focus && option->state & State_KeyboardFocusChange;
        // Frames stand 3:1 from the background, and a focus mark 3:1 from the frame it replaces.
        const QColor frame = LegibleOn(background, background.darker(150), kGraphicContrast);
        const QColor focusMark = LegibleOn(background, option->palette.color(QPalette::Highlight),
            kGraphicContrast * kGraphicContrast * kMargin);
        const QRectF rect = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(focusMark);
        switch (element) {
        case PE_IndicatorRadioButton: {
            // Fusion's ring, over again. A thin antialiased ring: aimed at the ratio for text, its
            // pixels stay above the one for graphics.
            if (!keyboardFocus)
                painter->setPen(LegibleOn(background, background.darker(150), kTextContrast));
            const QRect box = option->rect.adjusted(1, 1, -1, -1);
            const qreal radius = (box.width() + (box.width() + 1) % 2) / 2.0 - 1;
            painter->drawEllipse(QPointF(box.center()) + QPointF(1, 1), radius, radius);
            break;
        }
        case PE_FrameLineEdit:
        case PE_PanelButtonCommand:
            // A text box shows its focus whether the keyboard or the mouse put it there.
            if (!keyboardFocus && !(focus && element == PE_FrameLineEdit))
                painter->setPen(frame);
            painter->drawRoundedRect(rect, 2, 2);
            break;
        case PE_FrameFocusRect:
            if (option->state & State_KeyboardFocusChange)
                painter->drawRoundedRect(rect, 1, 1);
            break;
        default:
            break;
        }
        painter->restore();
    }
};

QStyle *SharedLegibleFusion()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new LegibleFusion;
        style->setParent(qApp);
    }
    return style;
}

void SetStyleOnTree(QWidget *root, QStyle *style)
{
    root->setStyle(style);
    for (QWidget *child : root->findChildren<QWidget *>())
        child->setStyle(style);
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool ShowsDesignPalette(const QWidget *control)
{
    const QPalette &palette = control->window()->palette();
    return palette.color(QPalette::Window) == QColor(239, 239, 239)
        && palette.color(QPalette::WindowText) == QColor(Qt::black);
}

QColor Legible(const QWidget *control, const QColor &given, double ratio)
{
    return ShowsDesignPalette(control) ? given : LegibleOn(Background(control), given, ratio);
}

std::array<QColor, 3> LegibleShades(const QWidget *control, const std::array<QColor, 3> &given)
{
    // On a light background the shades stay as designed, as on the design's own light grey: the dark
    // lower stripe carries the contrast there, and darkening the pale one would turn the bar black.
    const QColor background = Background(control);
    if (ShowsDesignPalette(control) || !LighterReads(background))
        return given;
    const double step = LeastStep(given.data(), given.size(), background, kGraphicContrast * kMargin);
    std::array<QColor, 3> shades;
    for (std::size_t i = 0; i < given.size(); ++i)
        shades[i] = WithLightness(given[i], given[i].lightnessF() + step);
    return shades;
}

// Replaces the desktop's style (Adwaita, Breeze, a qt6ct choice): its metrics would overrun the fixed
// layout, which Qt does not adapt, in every version. The fixed colours replace none of Qt's behaviour.
void AdaptToDesktop(QWidget *window)
{
    const bool fusion
        = QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (fusion && ShowsDesignPalette(window))
        return;
    SetStyleOnTree(window, SharedLegibleFusion());
    if (ShowsDesignPalette(window))
        return;
    // A colour of its own marks a fixed colour of the design; the rest follow the palette.
    const QColor text = window->palette().color(QPalette::WindowText);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const bool line = qobject_cast<Line *>(control) != nullptr;
        if (!line && !qobject_cast<QLabel *>(control))
            continue;
        const QColor own = control->palette().color(QPalette::WindowText);
        if (own != text)
            SetForeColor(control, Legible(control, own, line ? kGraphicContrast : kTextContrast));
    }
}

namespace {

// Where the content is larger than the space, the window's content scrolls and the window takes the
// space, at most what shows the content whole with both scroll bars; where it fits, nothing changes.
// Qt never fits a window to its screen: one of fixed size larger than the screen runs off it (Qt 6.4 to
// 6.8).
void FitInto(QMainWindow *window, QSize needed, QSize space)
{
    if (needed.width() <= space.width() && needed.height() <= space.height())
        return;
    auto *area = window->findChild<QScrollArea *>(QStringLiteral("Scroller"), Qt::FindDirectChildrenOnly);
    if (!area) {
        // The scroll area takes no focus of its own, so the tab chain and the first focus stay the
        // design's.
        QWidget *focus = window->focusWidget();
        area = new QScrollArea;
        area->setObjectName(QStringLiteral("Scroller"));
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        area->setWidget(window->takeCentralWidget());
        window->setCentralWidget(area);
        if (focus)
            focus->setFocus();
        if (window->testAttribute(Qt::WA_SetStyle))
            SetStyleOnTree(area, window->style());
        // The window no longer holds its content's size.
        window->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        window->setMinimumSize(0, 0);
    }
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    window->setMaximumSize(needed + QSize(bar, bar));
    const int width = needed.width() + (needed.height() > space.height() ? bar : 0);
    const int height = needed.height() + (needed.width() > space.width() ? bar : 0);
    window->resize(std::min(width, space.width()), std::min(height, space.height()));
}

// The window manager's frame is known only once it has framed the shown window (on X11 from its
// _NET_FRAME_EXTENTS, on Wayland the decorations Qt draws): before, QWindow::frameMargins() is null, so
// nothing Qt sizes or places counts the frame (Qt 6.4 to 6.8). Then the window, title bar and all, is
// fitted into the screen's free area once; later moves are the user's.
class FrameFit : public QObject
{
public:
    FrameFit(QMainWindow *window, QSize needed)
        : QObject(window)
        , m_window(window)
        , m_needed(needed)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::WindowActivate)
            return false;
        const QWindow *handle = m_window->windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        // Active without a frame: a window manager that draws none, or none at all.
        if (frame.isNull() && type != QEvent::WindowActivate)
            return false;
        m_window->removeEventFilter(this);
        deleteLater();
        const QRect free = m_window->screen()->availableGeometry();
        FitInto(m_window, m_needed, free.size().shrunkBy(frame));
        const QRect framed(handle->framePosition(), m_window->size().grownBy(frame));
        const QPoint inside(
            std::clamp(framed.x(), free.left(), std::max(free.left(), free.right() - framed.width() + 1)),
            std::clamp(framed.y(), free.top(), std::max(free.top(), free.bottom() - framed.height() + 1)));
        if (inside != framed.topLeft())
            m_window->windowHandle()->setFramePosition(inside);
        return false;
    }

private:
    QMainWindow *m_window;
    QSize m_needed;
};

} // namespace

void ScrollWhenLargerThanScreen(QMainWindow *window)
{
    // Before it is shown, a window knows no frame: it takes the whole free area, and less once framed.
    const QSize needed = window->sizeHint();
    FitInto(window, needed, window->screen()->availableGeometry().size());
    new FrameFit(window, needed);
}

} // namespace platform
