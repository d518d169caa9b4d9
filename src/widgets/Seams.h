#pragma once
// The one door from the window to message boxes and the desktop, so that tests can record
// what the program would show or start instead of blocking on it or opening a browser.
#include <QString>
#include <QUrl>

class QWidget;

// Every message box of the program has the information icon and a single OK button.
struct MessageRequest
{
    enum class Modality { Application, System };
    QString title;
    QString text;
    Modality modality = Modality::Application;
};

class Seams
{
public:
    virtual ~Seams() = default;
    // Returns when the user has closed the box.
    virtual void ShowMessage(QWidget *parent, const MessageRequest &request) = 0;
    // Opens a web or mail address in the user's own programs; false when that failed.
    virtual bool OpenUrl(const QUrl &url) = 0;
};

// The real desktop: QMessageBox and QDesktopServices.
class DesktopSeams final : public Seams
{
public:
    void ShowMessage(QWidget *parent, const MessageRequest &request) override;
    bool OpenUrl(const QUrl &url) override;
};
