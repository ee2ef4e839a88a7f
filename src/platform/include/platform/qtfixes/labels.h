// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Labels and lines that paint themselves where Qt's would not show them as designed: a label that
// wraps at spaces only, a line of the design, and a one-line caption that shows a cut text as cut.
#include <QLabel>
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

} // namespace platform
