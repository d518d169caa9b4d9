#pragma once
// The units each measurement type offers, as its row in the type routing holds them. The
// lists are the only source of the unit orders: the from-unit box lists FromUnitList, the
// to-unit box ToUnitList, and the converters run their sections in these orders.
#include <QStringList>

#include "catalog/MeasurementTypes.h"

namespace catalog {

// The units a type converts from, in list order; empty for a type without unit lists
// (the informational, money and time types).
QStringList FromUnitList(MeasurementType type);

// The units a type converts into, in list order: the type's modern units followed by its
// whole FromUnitList, except for "Area Measures", whose list holds no acre.
QStringList ToUnitList(MeasurementType type);

} // namespace catalog
