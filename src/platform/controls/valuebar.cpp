// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/controls/valuebar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QVariant>
#include <QtNumeric>

#include "platform/controls/language.h"

namespace platform {

void ValueBar::SetRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void ValueBar::SetReading(std::optional<double> value, const QString &shown, const QString &meaning)
{
    if (m_value == value && m_meaning == meaning && m_shown == shown)
        return;
    m_value = value;
    m_shown = shown;
    m_meaning = meaning;
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent changed(this, value.value_or(qQNaN()));
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

QString ValueBar::SpokenReading() const
{
    if (!m_value)
        //: Spoken reading of the BMI scale while there is no BMI.
        return Tr(QT_TRANSLATE_NOOP("Somatra", "no value"));
    return m_meaning.isEmpty() ? m_shown : Tr(QT_TRANSLATE_NOOP("Somatra", "%1, %2")).arg(m_shown, m_meaning);
}

namespace {

// A static text named with its reading; the value interface is there for tools that read numbers. A
// QLabel has no value interface, and a QProgressBar's would be spoken as a percentage.
// Without a number it reports NaN, the one double that is none: any other would be a reading the bar
// does not show. The interface stays, since AT-SPI clients keep the interfaces they first saw.
class AccessibleValueBar : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleValueBar(ValueBar *bar)
        : QAccessibleWidget(bar, QAccessible::StaticText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name)
            return QAccessibleWidget::text(type);
        //: What a screen reader calls a scale: %1 its name, %2 its reading.
        return Tr(QT_TRANSLATE_NOOP("Somatra", "%1: %2"))
            .arg(Bar()->accessibleName(), Bar()->SpokenReading());
    }
    QVariant currentValue() const override { return Bar()->Value().value_or(qQNaN()); }
    void setCurrentValue(const QVariant &) override { }
    QVariant maximumValue() const override { return Bar()->Maximum(); }
    QVariant minimumValue() const override { return Bar()->Minimum(); }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    const ValueBar *Bar() const { return static_cast<const ValueBar *>(widget()); }
};

} // namespace

QAccessibleInterface *NewAccessibleValueBar(ValueBar *bar)
{
    return new AccessibleValueBar(bar);
}

} // namespace platform
