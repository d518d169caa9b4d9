#pragma once
// The seven length converters as data. Which from-units a button serves is the unit
// routing's fact: the linear from-units whose row names that button, in list order.
#include <QList>
#include <QStringList>

#include "catalog/ConverterButtons.h"
#include "convert/Converter.h"

namespace convert::linear {

// The from-units the button's converter serves, in the order of the linear from-unit list;
// none for a button that converts no lengths.
QStringList FromUnitsOf(catalog::ConverterButton button);

// The cubit note blocks of the button's converter, one before each cubit's section.
QList<NoteBlock> NotesOf(catalog::ConverterButton button);

// The converter behind the button: each of its from-units into each linear to-unit, built
// anew on each call (ConverterFor keeps one). A button of no length converter gets one that
// converts nothing.
ConverterGroup LengthConverter(catalog::ConverterButton button);

} // namespace convert::linear
