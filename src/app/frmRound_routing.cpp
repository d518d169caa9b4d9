#include "app/frmRound.h"

// The choice of a measurement type, of a from-unit and of an hour.

void frmRound::Combo1_Click() {}
void frmRound::Combo2_Click() {}
void frmRound::ComboTime_Click() {}
