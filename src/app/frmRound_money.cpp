#include "app/frmRound.h"

// The two money panels.

void frmRound::Command17_Click() {}
void frmRound::Command18_Click() {}
