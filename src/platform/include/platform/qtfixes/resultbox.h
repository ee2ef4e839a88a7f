// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// A box that shows results: a line edit that elides, and lays out its font only when it first draws text.
#include <QLineEdit>

namespace platform {

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
    void TipWhenCut();

    bool m_fontWaits = false;
};

} // namespace platform
