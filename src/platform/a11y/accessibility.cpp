// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/a11y/accessibility.h"

#include <QAccessible>
#include <QGroupBox>
#include <QRadioButton>

#include "platform/a11y/announcer.h"
#include "platform/a11y/bridgegate.h"
#include "platform/controls/language.h"
#include "platform/controls/valuebar.h"
#include "platform/qtfixes/accessible.h"

namespace platform {

namespace {

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *bar = qobject_cast<ValueBar *>(widget))
        return NewAccessibleValueBar(bar);
    if (QAccessibleInterface *notice = NoticeInterface(widget))
        return notice;
    return ReplacedInterface(className, widget);
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        GuardTheBridge();
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

void DescribePositionsInGroups(QWidget *root)
{
    for (QGroupBox *group : root->findChildren<QGroupBox *>()) {
        const QList<QRadioButton *> options = group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < options.size(); ++i) {
            //: Spoken after an option's name: its place in its group, as in "2 of 3".
            const QString position
                = Tr(QT_TRANSLATE_NOOP("Somatra", "%1 of %2")).arg(i + 1).arg(options.size());
            const QString description = options[i]->accessibleDescription();
            options[i]->setAccessibleDescription(description.isEmpty()
                    ? position
                    //: Spoken joins: %1 and %2 said one after the other, as a list; also an option's
                    //: description followed by its place in its group.
                    : Tr(QT_TRANSLATE_NOOP("Somatra", "%1, %2")).arg(description, position));
        }
    }
}

} // namespace platform
