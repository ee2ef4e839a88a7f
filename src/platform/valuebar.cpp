// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/valuebar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QVariant>

#include "platform/language.h"

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
    if (value) {
        QAccessibleValueChangeEvent changed(this, *value);
        QAccessible::updateAccessibility(&changed);
    }
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

QString ValueBar::SpokenReading() const
{
    if (!m_value)
        return Tr(QT_TRANSLATE_NOOP("Somatra", "no value"));
    return m_meaning.isEmpty() ? m_shown : Tr(QT_TRANSLATE_NOOP("Somatra", "%1, %2")).arg(m_shown, m_meaning);
}

namespace {

// A static text named with its reading; the value interface is there for tools that read numbers, and
// only while there is a number: without one, any value it gave would be one the bar does not show.
class AccessibleValueBar : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleValueBar(ValueBar *bar)
        : QAccessibleWidget(bar, QAccessible::StaticText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return Bar()->Value() ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name)
            return QAccessibleWidget::text(type);
        return Tr(QT_TRANSLATE_NOOP("Somatra", "%1: %2"))
            .arg(Bar()->accessibleName(), Bar()->SpokenReading());
    }
    QVariant currentValue() const override { return Bar()->Value() ? QVariant(*Bar()->Value()) : QVariant(); }
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
