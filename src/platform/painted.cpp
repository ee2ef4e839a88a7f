// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/painted.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
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

// QLabel's word wrap breaks lines where Unicode allows, after a hyphen or a slash too, and takes no
// other rule (Qt 6.4 to 6.8).
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
    // Replaces QFrame's HLine and VLine, which the style draws in shades of its own, never in a colour
    // the design gives (Qt 6.4 to 6.8). At a whole scale the line is one device pixel thick, along its
    // top or left edge. At a fractional scale it fills its whole area, which covers at least one device
    // row whole: a thinner fill can fall on a device row outside the widget's clip.
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

// QLabel cuts a text that does not fit at its edge and has no elision of its own (none up to Qt 6.8).
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

ResultBox::ResultBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ResultBox::TipWhenCut);
}

bool ResultBox::TextFits() const
{
    // As a line edit measures: the text and the cursor's pixel within its text area.
    return text().isEmpty() || echoMode() != Normal || TextWidth() + 1 <= TextArea().width();
}

qreal ResultBox::TextWidth() const
{
    const QString shown = text();
    if (!(font().styleStrategy() & QFont::PreferNoShaping)
        || std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() >= 128; }))
        return fontMetrics().horizontalAdvance(shown);
    const QFontMetricsF metrics(font());
    qreal width = 0;
    for (const QChar c : shown) {
        qreal &advance = m_advances[c.unicode()];
        if (advance == 0)
            advance = metrics.horizontalAdvance(c);
        width += advance;
    }
    return width;
}

QRect ResultBox::TextArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // QLineEdit keeps 2 pixels on either side of its text and 1 above and below, private constants
    // of QLineEditPrivate (Qt 6.4 to 6.8).
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(2, 1, -2, -1);
}

void ResultBox::TipWhenCut()
{
    const QString tip = TextFits() ? QString() : text();
    if (toolTip() != tip)
        setToolTip(tip);
}

void ResultBox::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::FontChange) {
        QLineEdit::changeEvent(event);
        return;
    }
    m_fontWaits = true;
    m_advances = {};
    // QLineEdit lays out its text in a new font as soon as the font changes, loading the face then,
    // even while the box is empty or never shown (Qt 6.4 to 6.8). Repaint, without that layout.
    QWidget::changeEvent(event);
}

void ResultBox::paintEvent(QPaintEvent *event)
{
    // Empty and read-only, a line edit draws its panel alone: no text, no cursor.
    if (m_fontWaits && text().isEmpty() && isReadOnly()) {
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        return;
    }
    // Drawing text is the first need of the layout, whichever came first, the font or the text.
    LayOutFont();
    if (TextFits()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // A line edit scrolls a text wider than itself to the cursor and has no elision (Qt 6.4 to 6.8).
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = TextArea();
    const QString start = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    QRect used = fontMetrics().boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, start);
    QPalette::ColorRole pen = QPalette::Text;
    if (hasSelectedText()) {
        painter.fillRect(used, palette().brush(QPalette::Highlight));
        pen = QPalette::HighlightedText;
    }
    style()->drawItemText(
        &painter, used, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), start, pen);
}

void ResultBox::LayOutFont()
{
    if (!m_fontWaits)
        return;
    m_fontWaits = false;
    QEvent change(QEvent::FontChange);
    QLineEdit::changeEvent(&change);
}

} // namespace platform
