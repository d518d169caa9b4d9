#include "widgets/CommandButton.h"

#include <QKeyEvent>

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
