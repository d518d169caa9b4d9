#pragma once
// The table of lengths that all seven length converters share.
#include <QStringList>

#include "convert/Converter.h"

namespace convert::linear {

// Every length in inches, with one value per unit whichever way it is converted, so that a
// unit converted into itself gives 1 and a conversion agrees with its reverse. The rows
// stand in the order the to-unit list offers them: seven modern units, then the biblical
// ones in the order of the from-unit list.
const UnitTable &UnitInches();

// The to-units of every length section, "Inches" (the table's base unit) first.
QStringList LengthToUnits();

// The biblical lengths, the only ones converted from.
QStringList LengthFromUnits();

} // namespace convert::linear
