#include "app/frmRound.h"

#include <QLineEdit>

#include "convert/capacity/Capacity.h"
#include "convert/weight/Weights.h"

// The weight, liquid, area and dry converters and the amount check of the informational types.

void frmRound::Command9_Click()
{
    static const convert::ConverterGroup group = convert::weight::OldTestamentWeightConverter();
    RunConverter(group);
}

void frmRound::Command10_Click()
{
    static const convert::ConverterGroup group = convert::weight::NewTestamentWeightConverter();
    RunConverter(group);
}

void frmRound::Command11_Click()
{
    static const convert::ConverterGroup group = convert::capacity::LiquidAndAreaConverter();
    RunConverter(group);
}

void frmRound::Command12_Click()
{
    static const convert::ConverterGroup group = convert::capacity::DryMeasureConverter();
    RunConverter(group);
}

void frmRound::Command13_Click()
{
    // Converts nothing, so the unit lists are not read.
    ApplyOutcome(convert::CheckOnly({Text1->text(), QString(), QString()}));
}
