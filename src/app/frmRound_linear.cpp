#include "app/frmRound.h"

#include "convert/linear/LengthConverters.h"

// The seven length converters.

using convert::linear::LengthButton;
using convert::linear::LengthConverter;

void frmRound::Command1_Click() { RunConverter(LengthConverter(LengthButton::Command1)); }
void frmRound::Command31_Click() { RunConverter(LengthConverter(LengthButton::Command31)); }
void frmRound::Command41_Click() { RunConverter(LengthConverter(LengthButton::Command41)); }
void frmRound::Command51_Click() { RunConverter(LengthConverter(LengthButton::Command51)); }
void frmRound::Command6_Click() { RunConverter(LengthConverter(LengthButton::Command6)); }
void frmRound::Command7_Click() { RunConverter(LengthConverter(LengthButton::Command7)); }
void frmRound::Command8_Click() { RunConverter(LengthConverter(LengthButton::Command8)); }
