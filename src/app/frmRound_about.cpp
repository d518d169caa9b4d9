#include "app/frmRound.h"

#include <QCloseEvent>

#include "about/Dialog.h"

// Opening the About dialog.

void frmRound::cmdAbout_Click()
{
    if (!dialog_) {
        dialog_ = new Dialog(seams_);
        // The dialog has no owner window, yet it lasts only as long as this object, which
        // lasts the run: it goes when this does, shown or not.
        connect(this, &QObject::destroyed, [dialog = dialog_] { delete dialog.data(); });
    }
    dialog_->Show();
}

void frmRound::closeEvent(QCloseEvent *event)
{
    // A minimized dialog would keep the run going with nothing on the screen and no "About"
    // left to bring it back.
    if (dialog_ && dialog_->isVisible() && dialog_->isMinimized())
        dialog_->Show();
    QWidget::closeEvent(event);
}
