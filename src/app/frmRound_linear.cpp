#include "app/frmRound.h"

// The seven length converters.

void frmRound::Command1_Click() {}
void frmRound::Command31_Click() {}
void frmRound::Command41_Click() {}
void frmRound::Command51_Click() {}
void frmRound::Command6_Click() {}
void frmRound::Command7_Click() {}
void frmRound::Command8_Click() {}
