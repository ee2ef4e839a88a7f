// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/controls/font.h"

#include <QWidget>

namespace platform {

// The fixed layouts were drawn for a narrow 8-point dialog font. DejaVu Sans (the one sans face of
// Debian's fonts-dejavu-core) is wide: at 10 px its captions "Non-active" and "Moderately active"
// overrun their option buttons by up to 5 px, and at 9 px it is hard to read. 10 px narrowed to 95 %
// fits every caption; no condensed face is needed, so the result is the same wherever core is installed.
QFont DialogFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setStretch(95);
    return font;
}

void SetBoldFont(QWidget *control, std::optional<int> pointSize, QFont::StyleStrategy strategy)
{
    QFont font = control->font();
    font.setBold(true);
    if (pointSize)
        font.setPointSize(*pointSize);
    font.setStyleStrategy(strategy);
    if (font != control->font())
        control->setFont(font);
}

} // namespace platform
