#include "widgets/CommandButton.h"

#include <QKeyEvent>
#include <QPalette>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <deque>

namespace {

// One palette for each set of colours buttons are drawn in.
//
// Qt 6.4's styles cache the pixmaps of a button under the identity of its palette (its
// cacheKey), not under its colours, and every new button gets a palette object of its own:
// a dialog whose buttons are made anew at each opening would add a set of pixmaps to the
// cache each time, for the same picture. Drawn with one palette per set of colours, they
// share one set.
QPalette Shared(const QPalette &palette)
{
    static std::deque<QPalette> known; // a few: one per scheme and button look
    QPalette shared = palette;
    const auto same = std::find(known.begin(), known.end(), palette);
    if (same != known.end()) {
        shared = *same;
    } else {
        if (known.size() == 16)
            known.pop_front();
        known.push_back(palette);
    }
    shared.setCurrentColorGroup(palette.currentColorGroup());
    return shared;
}

} // namespace

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        // One press, one click: a held key does not run the procedure again and again.
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    // As QPushButton draws itself, with the shared palette.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = Shared(option.palette);
    painter.drawControl(QStyle::CE_PushButton, option);
}
