#pragma once
// A command button as desktops have them: Space and also Enter press the button that has the
// focus. It is never the default button, so Enter pressed anywhere else presses nothing.
#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
