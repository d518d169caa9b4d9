#pragma once
// Where a window opens: its frame, title bar included, at the place its design gives, moved
// just far enough to lie wholly in the screen's available area.
#include <functional>

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// The frame moved just far enough to lie in the area; a frame larger than the area keeps its
// top-left corner, and so its title bar, in it.
QRect FittedInto(QRect frame, const QRect &area);

// The margins of a window's frame around its inside: none until a frame is put round it.
QMargins FrameMargins(const QWidget *window);

// Places a window's frame when it is next shown. A window manager frames a window only once
// it is mapped, so the frame's margins may be known only after the show: when they arrive,
// the window is placed again, unless it has been moved meanwhile.
class FramePlacement : public QObject
{
public:
    // Where the frame belongs, in global coordinates, given the margins of the frame
    // around the window's inside.
    using DesignedFrame = std::function<QRect(const QMargins &frame)>;

    FramePlacement(QWidget *window, DesignedFrame designed);

    void PlaceOnNextShow() { onShow_ = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Place();

    QWidget *window_;
    DesignedFrame designed_;
    bool onShow_ = false;
    bool awaitingFrame_ = false;
    bool placing_ = false;
    QMargins margins_;
    QPoint placed_;
};
