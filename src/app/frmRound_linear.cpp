#include "app/frmRound.h"

#include "convert/linear/LengthConverters.h"

// The seven length converters.

using catalog::ConverterButton;
using convert::linear::LengthConverter;

void frmRound::Command1_Click() { RunConverter(LengthConverter(ConverterButton::Command1)); }
void frmRound::Command31_Click() { RunConverter(LengthConverter(ConverterButton::Command31)); }
void frmRound::Command41_Click() { RunConverter(LengthConverter(ConverterButton::Command41)); }
void frmRound::Command51_Click() { RunConverter(LengthConverter(ConverterButton::Command51)); }
void frmRound::Command6_Click() { RunConverter(LengthConverter(ConverterButton::Command6)); }
void frmRound::Command7_Click() { RunConverter(LengthConverter(ConverterButton::Command7)); }
void frmRound::Command8_Click() { RunConverter(LengthConverter(ConverterButton::Command8)); }
