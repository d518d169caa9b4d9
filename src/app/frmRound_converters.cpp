#include "app/frmRound.h"

#include "catalog/ConverterButtons.h"

// The twelve "Click to Convert" procedures: each runs the converter behind its button.

using catalog::ConverterButton;

void frmRound::Command1_Click() { RunConverter(ConverterButton::Command1); }
void frmRound::Command31_Click() { RunConverter(ConverterButton::Command31); }
void frmRound::Command41_Click() { RunConverter(ConverterButton::Command41); }
void frmRound::Command51_Click() { RunConverter(ConverterButton::Command51); }
void frmRound::Command6_Click() { RunConverter(ConverterButton::Command6); }
void frmRound::Command7_Click() { RunConverter(ConverterButton::Command7); }
void frmRound::Command8_Click() { RunConverter(ConverterButton::Command8); }
void frmRound::Command9_Click() { RunConverter(ConverterButton::Command9); }
void frmRound::Command10_Click() { RunConverter(ConverterButton::Command10); }
void frmRound::Command11_Click() { RunConverter(ConverterButton::Command11); }
void frmRound::Command12_Click() { RunConverter(ConverterButton::Command12); }
// Converts nothing: empties the sentence and checks the amount.
void frmRound::Command13_Click() { RunConverter(ConverterButton::Command13); }
