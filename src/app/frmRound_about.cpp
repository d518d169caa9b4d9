#include "app/frmRound.h"

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
