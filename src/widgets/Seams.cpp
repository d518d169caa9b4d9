#include "widgets/Seams.h"

#include <QDesktopServices>
#include <QMessageBox>

void DesktopSeams::ShowMessage(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(QMessageBox::Information, request.title, request.text, QMessageBox::Ok, parent);
    // Qt has no system-modal box; application-modal is the nearest it offers.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool DesktopSeams::OpenUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }
