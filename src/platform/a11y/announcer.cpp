// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/a11y/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLoggingCategory>
#include <QStatusBar>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcAnnouncements, "somatra.announcements", QtWarningMsg)

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The label that carries a spoken notice: a notification, which screen readers speak when it is said
// to show, wherever the focus is.
constexpr char kNotice[] = "somatraNotice";

class AccessibleNotice : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    { }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? static_cast<const QLabel *>(widget())->text()
                                         : QAccessibleWidget::text(type);
    }
};
#endif

} // namespace

QAccessibleInterface *NoticeInterface(QWidget *widget)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && label->property(kNotice).toBool())
        return new AccessibleNotice(label);
#else
    Q_UNUSED(widget);
#endif
    return nullptr;
}

Announcer::Announcer(QWidget *window)
    : m_window(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt has accessibility announcements (QAccessibleAnnouncementEvent) from 6.8 on; before, a notice
    // stands in for them, until the minimum Qt is 6.8. Readers leave out the word "notification"
    // inside a status bar. The bar never shows, so the window's layout does not change.
    auto *bar = new QStatusBar(window);
    bar->setObjectName(QStringLiteral("notices"));
    bar->setSizeGripEnabled(false);
    bar->hide();
    // Marked before it joins the tree, since the accessible interface of a widget is made once.
    m_notice = new QLabel;
    m_notice->setProperty(kNotice, true);
    m_notice->setParent(bar);
    m_notice->hide();
#endif
}

void Announcer::Announce(const QString &text)
{
    // What a screen reader is told, for whoever checks it: QT_LOGGING_RULES=somatra.announcements.debug=true
    qCDebug(lcAnnouncements).noquote() << text;
    if (!m_window || text.isEmpty() || !QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Screen readers that take announcements say the text alone, without calling it a notification.
    QAccessibleAnnouncementEvent announced(m_window, text);
    QAccessible::updateAccessibility(&announced);
#else
    if (!m_notice)
        return;
    m_notice->setText(text);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace platform
