#pragma once
// The units each measurement type offers. The lists are the only source of the unit
// orders: the from-unit box lists FromUnitList, the to-unit box ToUnitList, and the
// converters run their sections in these orders.
#include <QString>
#include <QStringList>

namespace catalog {

// The units a type converts from, in list order; empty for a type without unit lists
// (the informational, money and time types) and for any other text.
QStringList FromUnitList(const QString &type);

// The units a type converts into, in list order: the type's modern units followed by its
// whole FromUnitList, except for "Area Measures", whose list holds no acre.
QStringList ToUnitList(const QString &type);

} // namespace catalog
