#pragma once
// The About dialog: the program's title, the author's note, the freeware statement, the
// maker's banner and the e-mail line. One instance lasts the run; unloading it discards its
// controls, and showing it again builds them afresh from the design.
#include <QLabel>
#include <QWidget>

class FramePlacement;
class QFrame;
class QPushButton;
class Seams;

// A label that answers a left click, as the banner and the e-mail line do.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// The dialog's controls while it is loaded (each is also its objectName); null otherwise.
// Unloading the dialog resets them all at once.
struct DialogControls
{
    QFrame *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    ClickLabel *Label4 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Frame2 = nullptr;
    QLabel *Label3 = nullptr;
    ClickLabel *Image1 = nullptr;
    QPushButton *OKButton = nullptr;
};

class Dialog : public QWidget, public DialogControls
{
    Q_OBJECT
public:
    explicit Dialog(Seams &seams);
    ~Dialog() override;

    // Opens the dialog at its stored place if it is not loaded; otherwise brings it forward.
    void Show();
    bool IsLoaded() const { return OKButton != nullptr; }

    // Event procedures, named after their control and event.
    void Image1_Click();
    void Label4_Click();
    void OKButton_Click();

protected:
    // The close box unloads the dialog as "OK" does.
    void closeEvent(QCloseEvent *event) override;
    // Minimized with no other window of the program open, it comes straight back.
    void changeEvent(QEvent *event) override;

private:
    void Load();
    void Unload();
    // Another window of the program is on the screen, or minimized with a task-bar button.
    bool OtherWindowOpen() const;

    Seams &seams_;
    FramePlacement *placement_;
};
