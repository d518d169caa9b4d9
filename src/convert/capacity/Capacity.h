#pragma once
// The Old Testament liquid and dry measures and the acre: their values and converters.
#include "convert/Converter.h"

namespace convert::capacity {

// Fluid ounces per unit: the five liquid measures and the modern to-units but the base
// unit "Ounces", whose conversions multiply by the from-unit's value.
UnitTable UnitFluidOunces();
// An acre's multipliers, by to-unit; no table of area values stands behind them.
UnitTable AreaFactor();
// Dry pints per unit: the seven dry measures and the modern to-units but "Dry Pints".
UnitTable UnitDryPints();

// Behind Command11: the acre first, then each liquid measure into each liquid to-unit and
// into "Quarts", which the to-list does not offer but a user may type.
ConverterGroup LiquidAndAreaConverter();
// Behind Command12: each dry measure into each dry to-unit, in the orders of the lists.
ConverterGroup DryMeasureConverter();

} // namespace convert::capacity
