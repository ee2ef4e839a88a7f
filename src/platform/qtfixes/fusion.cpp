// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/qtfixes/fusion.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

#include "platform/controls/legible.h"

namespace platform {

namespace {

// Fusion, whose metrics the fixed layout is designed for, with the outlines of radio indicators and
// text boxes, button frames and focus marks drawn over in colours that reach the ratio for graphics.
// QFusionStyle::drawPrimitive derives those outlines from the palette's Window and Highlight colours
// by fixed steps, which on many palettes stay below 3:1 (Qt 6.4.2 and 6.8.2, measured by the look
// tests); on the design palette they are left as Fusion draws. This goes when Fusion's outlines reach
// 3:1 on any palette.
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

} // namespace

QStyle *LegibleFusionStyle()
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

} // namespace platform
