#include "convert/linear/LengthConverters.h"

#include "catalog/MeasurementTypes.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"
#include "convert/linear/CubitNote.h"
#include "convert/linear/UnitInches.h"

namespace convert::linear {

namespace {

using catalog::ConverterButton;

struct LengthGroup
{
    ConverterButton button;
    QStringList fromUnits;
    QList<NoteBlock> notes;
};

NoteBlock CubitNoteFor(const QString &cubit, NoteBox box) { return {cubit, box, CubitNote()}; }

const QList<LengthGroup> &LengthGroups()
{
    static const QList<LengthGroup> groups{
        // The Egyptian cubit's note goes beside the unit note that choosing it showed.
        {ConverterButton::Command1,
         {unit::Finger, unit::Handbreath, unit::CubitEgyptian},
         {CubitNoteFor(unit::CubitEgyptian, NoteBox::Text6)}},
        {ConverterButton::Command31,
         {unit::Span, unit::CubitRomanNT, unit::RomanMile},
         {CubitNoteFor(unit::CubitRomanNT, NoteBox::Text5)}},
        {ConverterButton::Command41,
         {unit::CubitHebrewLong, unit::CubitBabylonRoyal, unit::Pace},
         {CubitNoteFor(unit::CubitHebrewLong, NoteBox::Text5),
          CubitNoteFor(unit::CubitBabylonRoyal, NoteBox::Text5)}},
        {ConverterButton::Command51,
         {unit::CubitHebrewOT, unit::CubitEzekiels, unit::CubitRoyalEgyptian},
         {CubitNoteFor(unit::CubitHebrewOT, NoteBox::Text5),
          CubitNoteFor(unit::CubitEzekiels, NoteBox::Text5),
          CubitNoteFor(unit::CubitRoyalEgyptian, NoteBox::Text5)}},
        {ConverterButton::Command6, {unit::Fathom, unit::Reed, unit::FurlongStadion}, {}},
        {ConverterButton::Command7,
         {unit::SabbathDaysJourney, unit::ALittleWay, unit::DaysJourneyInCompany},
         {}},
        {ConverterButton::Command8, {unit::DaysJourneyAlone, unit::GreekFeet, unit::RomanFeet}, {}},
    };
    return groups;
}

const LengthGroup *GroupOf(ConverterButton button)
{
    for (const LengthGroup &group : LengthGroups())
        if (group.button == button)
            return &group;
    return nullptr;
}

} // namespace

QStringList FromUnitsOf(ConverterButton button)
{
    const LengthGroup *group = GroupOf(button);
    if (!group)
        return {};
    // The sections run in the order of the from-unit list, whatever order the group names.
    QStringList ordered;
    for (const QString &name : catalog::FromUnitList(measure::Linear))
        if (group->fromUnits.contains(name))
            ordered << name;
    return ordered;
}

QList<NoteBlock> NotesOf(ConverterButton button)
{
    const LengthGroup *group = GroupOf(button);
    return group ? group->notes : QList<NoteBlock>();
}

ConverterGroup LengthConverter(ConverterButton button)
{
    return TableConverter(UnitInches(), unit::Inches, FromUnitsOf(button),
                          catalog::ToUnitList(measure::Linear), NotesOf(button));
}

} // namespace convert::linear
