#include "app/frmRound.h"

// The weight, liquid, area and dry converters and the amount check of the informational types.

void frmRound::Command9_Click() {}
void frmRound::Command10_Click() {}
void frmRound::Command11_Click() {}
void frmRound::Command12_Click() {}
void frmRound::Command13_Click() {}
