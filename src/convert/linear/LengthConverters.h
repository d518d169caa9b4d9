#pragma once
// The seven length converters as data: which from-units each button serves, in which
// order, and where its cubit notes go.
#include <array>

#include <QList>
#include <QStringList>

#include "convert/Converter.h"

namespace convert::linear {

// The "Click to Convert" buttons behind which lengths are converted.
enum class LengthButton { Command1, Command31, Command41, Command51, Command6, Command7, Command8 };

inline constexpr std::array<LengthButton, 7> LengthButtons{
    LengthButton::Command1, LengthButton::Command31, LengthButton::Command41,
    LengthButton::Command51, LengthButton::Command6, LengthButton::Command7,
    LengthButton::Command8};

// The from-units the button's converter serves, in the order of the from-unit list.
QStringList FromUnitsOf(LengthButton button);

// The cubit note blocks of the button's converter, one before each cubit's section.
QList<NoteBlock> NotesOf(LengthButton button);

// The converter behind the button: each of its from-units into each length to-unit.
// Built on first use and kept for the run.
const ConverterGroup &LengthConverter(LengthButton button);

} // namespace convert::linear
