#pragma once
// The Old and New Testament weights: their values in ounces and their two converters.
#include <QString>
#include <QStringList>

#include "convert/Converter.h"

namespace convert::weight {

// The modern weights that both weight types convert into, in their list order.
QStringList ModernWeights();
// Each type's own weights, in list order; they are its from-units and end its to-units.
QStringList OldTestamentWeights();
QStringList NewTestamentWeights();

// Ounces per unit: the modern rows and the rows of one weight type ("Talent" weighs
// differently in each). Any other type gets the modern rows alone.
UnitTable UnitOunces(const QString &weightType);

// The notes the Old Testament converter writes into Text5 before the gerah, bekah and pim.
QList<NoteBlock> WeightNotes();

// Behind Command9 and Command10.
ConverterGroup OldTestamentWeightConverter();
ConverterGroup NewTestamentWeightConverter();

} // namespace convert::weight
