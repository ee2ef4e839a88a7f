// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/qtfixes/screenfit.h"

#include <algorithm>

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

#include "platform/qtfixes/fusion.h"

namespace platform {

namespace {

// Where the content is larger than the space, the window's content scrolls and the window takes the
// space, at most what shows the content whole with both scroll bars; where it fits, nothing changes.
// Qt never fits a window to its screen: one of fixed size larger than the screen runs off it
// (QWidget::show, Qt 6.4.2 and 6.8.2). This stays while Qt does not.
void FitInto(QMainWindow *window, QSize needed, QSize space)
{
    if (needed.width() <= space.width() && needed.height() <= space.height())
        return;
    auto *area = window->findChild<QScrollArea *>(QStringLiteral("Scroller"), Qt::FindDirectChildrenOnly);
    if (!area) {
        // The scroll area takes no focus of its own, so the tab chain and the first focus stay the
        // design's.
        QWidget *focus = window->focusWidget();
        area = new QScrollArea;
        area->setObjectName(QStringLiteral("Scroller"));
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        area->setWidget(window->takeCentralWidget());
        window->setCentralWidget(area);
        if (focus)
            focus->setFocus();
        if (window->testAttribute(Qt::WA_SetStyle))
            SetStyleOnTree(area, window->style());
        // The window no longer holds its content's size.
        window->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        window->setMinimumSize(0, 0);
    }
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    window->setMaximumSize(needed + QSize(bar, bar));
    const int width = needed.width() + (needed.height() > space.height() ? bar : 0);
    const int height = needed.height() + (needed.width() > space.width() ? bar : 0);
    window->resize(std::min(width, space.width()), std::min(height, space.height()));
}

// The window manager's frame is known only once it has framed the shown window (on X11 from its
// _NET_FRAME_EXTENTS, on Wayland the decorations Qt draws): before, QWindow::frameMargins() is null, so
// nothing Qt sizes or places counts the frame (Qt 6.4.2 and 6.8.2). Then the window, title bar and
// all, is fitted into the screen's free area once; later moves are the user's.
class FrameFit : public QObject
{
public:
    FrameFit(QMainWindow *window, QSize needed)
        : QObject(window)
        , m_window(window)
        , m_needed(needed)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::WindowActivate)
            return false;
        const QWindow *handle = m_window->windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        // Active without a frame: a window manager that draws none, or none at all.
        if (frame.isNull() && type != QEvent::WindowActivate)
            return false;
        m_window->removeEventFilter(this);
        deleteLater();
        const QRect free = m_window->screen()->availableGeometry();
        FitInto(m_window, m_needed, free.size().shrunkBy(frame));
        const QRect framed(handle->framePosition(), m_window->size().grownBy(frame));
        const QPoint inside(
            std::clamp(framed.x(), free.left(), std::max(free.left(), free.right() - framed.width() + 1)),
            std::clamp(framed.y(), free.top(), std::max(free.top(), free.bottom() - framed.height() + 1)));
        if (inside != framed.topLeft())
            m_window->windowHandle()->setFramePosition(inside);
        return false;
    }

private:
    QMainWindow *m_window;
    QSize m_needed;
};

} // namespace

void ScrollWhenLargerThanScreen(QMainWindow *window)
{
    // Before it is shown, a window knows no frame: it takes the whole free area, and less once framed.
    const QSize needed = window->sizeHint();
    FitInto(window, needed, window->screen()->availableGeometry().size());
    new FrameFit(window, needed);
}

} // namespace platform
