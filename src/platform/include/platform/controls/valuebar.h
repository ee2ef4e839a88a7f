// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// A bar whose width draws a number on a scale, and what screen readers hear of it.
#include <optional>

#include <QLabel>
#include <QString>

class QAccessibleInterface;

namespace platform {

// Screen readers hear the bar's name with its reading ("Body mass index scale: 22.9, normal weight",
// or "no value"), never a share of the scale, which some would speak as a percentage.
class ValueBar : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    void SetRange(double minimum, double maximum);
    // The number the bar draws, or none, with the text that shows it and a word for what it means;
    // tells screen readers when it changes.
    void SetReading(std::optional<double> value, const QString &shown, const QString &meaning);
    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    std::optional<double> Value() const { return m_value; }
    QString SpokenReading() const;

private:
    double m_minimum = 0;
    double m_maximum = 0;
    std::optional<double> m_value;
    QString m_shown;
    QString m_meaning;
};

QAccessibleInterface *NewAccessibleValueBar(ValueBar *bar);

} // namespace platform
