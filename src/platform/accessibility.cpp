#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

#include "platform/controls.h"

namespace platform {

namespace {

bool IsIgnored(const QObject *object)
{
    return object->property(AccessibleIgnored).toBool();
}

// A plain container or dialog that leaves out the children marked as ignored. The rest is as Qt
// lists them: child widgets in creation order, without windows.
class FilteringContainer : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(Exposed().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = Exposed();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(Exposed().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> Exposed() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !IsIgnored(child))
                children.append(child);
        }
        return children;
    }
};

class AccessibleValueBar : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleValueBar(ValueBar *bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return Bar()->Value(); }
    void setCurrentValue(const QVariant &) override { }
    QVariant maximumValue() const override { return Bar()->Maximum(); }
    QVariant minimumValue() const override { return Bar()->Minimum(); }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    const ValueBar *Bar() const { return static_cast<const ValueBar *>(widget()); }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // Qt asks with each class name from the most derived up; these are the roles that it would give.
    if (className == QLatin1String("QWidget"))
        return new FilteringContainer(widget, QAccessible::Client);
    if (className == QLatin1String("QDialog"))
        return new FilteringContainer(widget, QAccessible::Dialog);
    if (auto *bar = qobject_cast<ValueBar *>(widget))
        return new AccessibleValueBar(bar);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

void NotifyNameChanged(QWidget *control)
{
    if (!control->accessibleName().isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace platform
