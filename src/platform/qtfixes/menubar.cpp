// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/qtfixes/menubar.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

// Keyboard use of a menu bar whose items have no menus: Qt moves the highlight with the arrow keys;
// choosing and leaving are done here, so that the focus goes back where it came from. QMenuBar gives
// the focus back only to the control that its own keyboard mode, entered with Alt alone, remembered:
// a bar focused otherwise keeps the focus after Return, Enter, Space or Escape (QMenuBar::keyPressEvent,
// Qt 6.4.2 and 6.8.2; docs/qt-issues.md, fault 12); nor does it bind F10. This goes when QMenuBar gives
// the focus back however it got it.
class MenuBarKeyboard : public QObject
{
    Q_OBJECT
public:
    explicit MenuBarKeyboard(QMenuBar *bar)
        : QObject(bar)
        , m_bar(bar)
    {
        bar->installEventFilter(this);
    }

    void Enter()
    {
        if (m_bar->actions().isEmpty())
            return;
        if (QWidget *focus = QApplication::focusWidget(); focus != m_bar)
            m_previous = focus;
        m_bar->setFocus(Qt::MenuBarFocusReason);
        m_bar->setActiveAction(m_bar->actions().constFirst());
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_bar->hasFocus())
            return false;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (QAction *chosen = m_bar->activeAction(); chosen && !chosen->menu()) {
                Leave();
                chosen->trigger();
                return true;
            }
            return false;
        case Qt::Key_Escape:
            Leave();
            return true;
        default:
            return false;
        }
    }

private:
    void Leave()
    {
        m_bar->setActiveAction(nullptr);
        if (m_previous)
            m_previous->setFocus(Qt::MenuBarFocusReason);
        else
            m_bar->clearFocus();
    }

    QMenuBar *m_bar;
    QPointer<QWidget> m_previous;
};

} // namespace

void EnterMenuBar(QMenuBar *bar)
{
    auto *keyboard = bar->findChild<MenuBarKeyboard *>(QString(), Qt::FindDirectChildrenOnly);
    if (!keyboard)
        keyboard = new MenuBarKeyboard(bar);
    keyboard->Enter();
}

} // namespace platform

#include "menubar.moc"
