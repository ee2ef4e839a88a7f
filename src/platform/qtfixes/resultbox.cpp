// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/qtfixes/resultbox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace platform {

ResultBox::ResultBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ResultBox::TipWhenCut);
}

bool ResultBox::TextFits() const
{
    // As a line edit measures: the text and the cursor's pixel within its text area.
    return text().isEmpty() || echoMode() != Normal
        || fontMetrics().horizontalAdvance(text()) + 1 <= TextArea().width();
}

QRect ResultBox::TextArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // QLineEdit keeps 2 pixels on either side of its text and 1 above and below: the private
    // horizontalMargin and verticalMargin of QLineEditPrivate, in Qt 6.4.2 and 6.8.2 alike.
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
    // QLineEdit::changeEvent lays out its text in a new font at once, loading the face, even while the
    // box is empty or never shown (Qt 6.4.2 and 6.8.2). Only for speed: waiting saves 8 % of the
    // instructions of start-up (7.4M, bench/run), the bold face of the two result boxes.
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
    // QLineEdit::paintEvent scrolls a text wider than the box to its cursor and knows no elision (Qt
    // 6.4.2 and 6.8.2); a cut number would read as a shorter one. It goes when QLineEdit elides.
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
