// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/qtfixes/labels.h"

#include <cmath>

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace platform {

QStringList WrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

// Replaces QLabel's word wrap, which breaks lines where Unicode allows, after a hyphen or a slash too,
// and takes no other rule (QLabel::paintEvent through QTextLayout; Qt 6.4.2 and 6.8.2). It stays while
// the message must keep "kg/m2" and "protein-energy" whole.
void SpaceWrapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    style()->drawItemText(&painter, area, int(alignment), palette(), isEnabled(),
        WrapAtSpaces(text(), fontMetrics(), area.width()).join(QLatin1Char('\n')), foregroundRole());
}

void Line::paintEvent(QPaintEvent *)
{
    // Replaces QFrame's HLine and VLine, which QStyle::drawPrimitive draws in shades of its own, never
    // in a colour the design gives (Qt 6.4.2 and 6.8.2); it stays while styles do. At a whole scale the
    // line is one device pixel thick, along its top or left edge. At a fractional scale it fills its
    // whole area, which covers at least one device row whole: a thinner fill can fall on a device row
    // outside the widget's clip.
    QRectF area = rect();
    const qreal ratio = devicePixelRatioF();
    if (ratio == std::floor(ratio)) {
        if (width() >= height())
            area.setHeight(1 / ratio);
        else
            area.setWidth(1 / ratio);
    }
    QPainter painter(this);
    painter.fillRect(area, palette().color(QPalette::WindowText));
}

bool FittedLabel::TextFits() const
{
    return text().isEmpty() || fontMetrics().horizontalAdvance(text()) <= contentsRect().width();
}

// QLabel::paintEvent cuts a text that does not fit at its edge and has no elision of its own (Qt 6.4.2
// and 6.8.2); this goes when QLabel elides.
bool FittedLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !TextFits()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    if (TextFits()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    style()->drawItemText(&painter, area, int(alignment), palette(), isEnabled(),
        fontMetrics().elidedText(text(), Qt::ElideRight, area.width()), foregroundRole());
}

} // namespace platform
