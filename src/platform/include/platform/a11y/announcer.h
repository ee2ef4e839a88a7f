// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Spoken notices: a short text that the screen reader says while the focus stays where it is.
#include <QPointer>
#include <QString>

class QAccessibleInterface;
class QLabel;
class QWidget;

namespace platform {

class Announcer
{
public:
    explicit Announcer(QWidget *window);
    void Announce(const QString &text);

private:
    QPointer<QWidget> m_window;
    QPointer<QLabel> m_notice; // before Qt 6.8, which has announcements
};

// The interface of the label that carries the notices before Qt 6.8; none for any other widget.
QAccessibleInterface *NoticeInterface(QWidget *widget);

} // namespace platform
