#include "convert/linear/LengthConverters.h"

#include "catalog/ConverterNotes.h"
#include "catalog/Routing.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"
#include "convert/linear/UnitInches.h"

namespace convert::linear {

namespace {

using catalog::ConverterButton;
using catalog::MeasurementType;

// The cubits before whose section their converter writes the cubit note, and the box it
// goes into: the Egyptian cubit's beside the unit note that choosing it showed.
const QList<NoteBlock> &CubitNotes()
{
    static const QList<NoteBlock> notes = [] {
        const QString note = catalog::CubitNote();
        QList<NoteBlock> blocks{{unit::CubitEgyptian, NoteBox::Text6, note}};
        for (const QString &cubit : {unit::CubitRomanNT, unit::CubitHebrewLong, unit::CubitBabylonRoyal,
                                     unit::CubitHebrewOT, unit::CubitEzekiels, unit::CubitRoyalEgyptian})
            blocks.append({cubit, NoteBox::Text5, note});
        return blocks;
    }();
    return notes;
}

} // namespace

QStringList FromUnitsOf(ConverterButton button)
{
    QStringList units;
    for (const QString &name : catalog::FromUnitList(MeasurementType::Linear))
        if (catalog::RoutedButton(name) == button)
            units << name;
    return units;
}

QList<NoteBlock> NotesOf(ConverterButton button)
{
    const QStringList served = FromUnitsOf(button);
    QList<NoteBlock> notes;
    for (const NoteBlock &note : CubitNotes())
        if (served.contains(note.fromUnit))
            notes << note;
    return notes;
}

ConverterGroup LengthConverter(ConverterButton button)
{
    return TableConverter(UnitInches(), unit::Inches, FromUnitsOf(button),
                          catalog::ToUnitList(MeasurementType::Linear), NotesOf(button));
}

} // namespace convert::linear
