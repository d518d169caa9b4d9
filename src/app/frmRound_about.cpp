#include "app/frmRound.h"

#include <QCloseEvent>

#include "about/Dialog.h"

// Opening the About dialog.

void frmRound::cmdAbout_Click()
{
    if (!dialog_)
        dialog_ = std::make_unique<Dialog>(seams_);
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
