// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/controls/legible.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include "platform/controls/writes.h"
#include "platform/qtfixes/fusion.h"
#include "platform/qtfixes/labels.h"

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
// design on the same background. Only for speed, off the design palette: searching on every call
// costs 34.5 % of a keystroke and 82 % of a pass on a dark palette (bench/run).
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

QColor LegibleOn(const QColor &background, const QColor &given, double ratio)
{
    return WithLightness(given, given.lightnessF() + LeastStep(&given, 1, background, ratio * kMargin));
}

// Replaces the desktop's style (Adwaita, Breeze, a qt6ct choice): its metrics would overrun the fixed
// layout, which Qt does not adapt, in every version. The fixed colours replace none of Qt's behaviour.
void AdaptToDesktop(QWidget *window)
{
    const bool fusion
        = QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (fusion && ShowsDesignPalette(window))
        return;
    SetStyleOnTree(window, LegibleFusionStyle());
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

} // namespace platform
