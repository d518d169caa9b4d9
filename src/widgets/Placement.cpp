#include "widgets/Placement.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QRect FittedInto(QRect frame, const QRect &area)
{
    // Right and bottom first, so that the top-left corner wins where the frame is too large.
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    return frame;
}

FramePlacement::FramePlacement(QWidget *window, DesignedFrame designed)
    : QObject(window), window_(window), designed_(std::move(designed))
{
    window->installEventFilter(this);
}

QMargins FrameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

void FramePlacement::Place()
{
    margins_ = FrameMargins(window_);
    const QRect designed = designed_(margins_);
    const QScreen *screen = QGuiApplication::screenAt(designed.center());
    if (!screen)
        screen = window_->screen();
    const QRect frame = screen ? FittedInto(designed, screen->availableGeometry()) : designed;
    // A window's position is its frame's.
    placing_ = true;
    window_->move(frame.topLeft());
    placing_ = false;
    placed_ = window_->pos();
}

bool FramePlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (placing_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (watched == window_ && onShow_) {
            onShow_ = false;
            Place();
            awaitingFrame_ = true;
            // A frame put round the window shows first when the window is exposed.
            if (QWindow *handle = window_->windowHandle())
                handle->installEventFilter(this);
        }
        break;
    case QEvent::Expose:
    case QEvent::Move:
        if (awaitingFrame_) {
            if (FrameMargins(window_) != margins_) {
                Place();
                awaitingFrame_ = false;
            } else if (window_->pos() != placed_) {
                awaitingFrame_ = false; // moved by the user or the window manager: theirs now
            }
        }
        break;
    case QEvent::Hide:
        if (watched == window_)
            awaitingFrame_ = false;
        break;
    default:
        break;
    }
    return false;
}
