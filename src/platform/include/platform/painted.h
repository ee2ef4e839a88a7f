// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Controls that paint themselves: a label that wraps at spaces only, a line of the design, and a box
// that shows results.
#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

class QFontMetrics;

namespace platform {

// Lines of a text broken only where a space stands, each as wide as fits; a word wider than the
// width gets a line of its own.
QStringList WrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width);

// A label whose text wraps at spaces only, so that "kg/m2" or "protein-energy" never splits.
class SpaceWrapLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A line of the design, painted in its WindowText colour over its whole area: no style draws it in
// a colour of its own, and at a fractional scale it still covers at least one device pixel.
class Line : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A one-line caption for a result that shows it whole, or its start and an ellipsis where it does not
// fit: cut at the edge, a number would read as a shorter one. The whole text stays the label's text,
// which screen readers read, and shows as its tooltip.
class FittedLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    bool TextFits() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A box for results in a font of their own. A new font is laid out when the box first draws text;
// until then an empty read-only box draws its panel alone, as a line edit would, and a box that never
// shows never lays it out. The window thus opens without loading a bold face only to draw nothing.
// A result wider than the box shows its start and an ellipsis, the whole of it in the tooltip.
class ResultBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);
    bool TextFits() const;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void LayOutFont();
    QRect TextArea() const;
    qreal TextWidth() const;
    void TipWhenCut();

    bool m_fontWaits = false;
    // The advances of the ASCII characters in the box's font, as far as asked: a result is a short run
    // of digits and separators, laid out without shaping, so its width is their sum.
    mutable std::array<qreal, 128> m_advances {};
};

} // namespace platform
