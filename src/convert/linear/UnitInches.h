#pragma once
// The table of lengths that all seven length converters share.
#include "convert/Converter.h"

namespace convert::linear {

// Every length in inches, with one value per unit whichever way it is converted, so that a
// unit converted into itself gives 1 and a conversion agrees with its reverse. The rows
// stand in the order of the linear to-unit list; "Inches" is the base unit.
const UnitTable &UnitInches();

} // namespace convert::linear
