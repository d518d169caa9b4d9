#include "app/frmRound.h"

// Opening the About dialog.

void frmRound::cmdAbout_Click() {}
