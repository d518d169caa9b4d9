#pragma once
// The seven length converters as data: which from-units each button serves, in which
// order, and where its cubit notes go.
#include <array>

#include <QList>
#include <QStringList>

#include "catalog/ConverterButtons.h"
#include "convert/Converter.h"

namespace convert::linear {

// The "Click to Convert" buttons behind which lengths are converted.
inline constexpr std::array<catalog::ConverterButton, 7> LengthButtons{
    catalog::ConverterButton::Command1,  catalog::ConverterButton::Command31,
    catalog::ConverterButton::Command41, catalog::ConverterButton::Command51,
    catalog::ConverterButton::Command6,  catalog::ConverterButton::Command7,
    catalog::ConverterButton::Command8};

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
