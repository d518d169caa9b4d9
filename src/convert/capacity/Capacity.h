#pragma once
// The Old Testament liquid and dry measures and the acre: their values and converters.
#include <QStringList>

#include "convert/Converter.h"

namespace convert::capacity {

// Fluid ounces per unit: the five liquid measures and the modern to-units but the base
// unit "Ounces", whose conversions multiply by the from-unit's value.
UnitTable UnitFluidOunces();
// An acre's multipliers, by to-unit; no table of area values stands behind them.
UnitTable AreaFactor();
// Dry pints per unit: the seven dry measures and the modern to-units but "Dry Pints".
UnitTable UnitDryPints();

// From-units in list order, and the to-units in the order the converters try them.
QStringList LiquidMeasures();
QStringList LiquidToUnits(); // also "Quarts", which the to-list does not offer
QStringList DryMeasures();
QStringList DryToUnits();

// Behind Command11: the acre first, then the liquid measures.
ConverterGroup LiquidAndAreaConverter();
// Behind Command12.
ConverterGroup DryMeasureConverter();

} // namespace convert::capacity
