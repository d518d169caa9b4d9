#include "catalog/UnitLists.h"

#include "catalog/Routing.h"

namespace catalog {

QStringList FromUnitList(MeasurementType type) { return RowOf(type).lists.fromUnits; }

QStringList ToUnitList(MeasurementType type) { return RowOf(type).lists.ToUnits(); }

} // namespace catalog
