#pragma once
// The Old and New Testament weights: their values in ounces and their two converters.
#include "catalog/MeasurementTypes.h"
#include "convert/Converter.h"

namespace convert::weight {

// Ounces per unit: the modern rows and the rows of one weight type ("Talent" weighs
// differently in each). Any other type gets the modern rows alone.
UnitTable UnitOunces(catalog::MeasurementType weightType);

// The notes the Old Testament converter writes into Text5 before the gerah, bekah and pim.
QList<NoteBlock> WeightNotes();

// Behind Command9 and Command10: each of the type's weights into each of its to-units,
// in the orders of its lists.
ConverterGroup OldTestamentWeightConverter();
ConverterGroup NewTestamentWeightConverter();

} // namespace convert::weight
