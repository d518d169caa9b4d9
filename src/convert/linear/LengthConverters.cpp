#include "convert/linear/LengthConverters.h"

#include "catalog/UnitNames.h"
#include "convert/linear/CubitNote.h"
#include "convert/linear/UnitInches.h"

namespace convert::linear {

namespace {

struct LengthGroup
{
    LengthButton button;
    QStringList fromUnits;
    QList<NoteBlock> notes;
};

NoteBlock CubitNoteFor(const QString &cubit, NoteBox box) { return {cubit, box, CubitNote}; }

const QList<LengthGroup> &LengthGroups()
{
    static const QList<LengthGroup> groups{
        // The Egyptian cubit's note goes beside the unit note that choosing it showed.
        {LengthButton::Command1,
         {unit::Finger, unit::Handbreath, unit::CubitEgyptian},
         {CubitNoteFor(unit::CubitEgyptian, NoteBox::Text6)}},
        {LengthButton::Command31,
         {unit::Span, unit::CubitRomanNT, unit::RomanMile},
         {CubitNoteFor(unit::CubitRomanNT, NoteBox::Text5)}},
        {LengthButton::Command41,
         {unit::CubitHebrewLong, unit::CubitBabylonRoyal, unit::Pace},
         {CubitNoteFor(unit::CubitHebrewLong, NoteBox::Text5),
          CubitNoteFor(unit::CubitBabylonRoyal, NoteBox::Text5)}},
        {LengthButton::Command51,
         {unit::CubitHebrewOT, unit::CubitEzekiels, unit::CubitRoyalEgyptian},
         {CubitNoteFor(unit::CubitHebrewOT, NoteBox::Text5),
          CubitNoteFor(unit::CubitEzekiels, NoteBox::Text5),
          CubitNoteFor(unit::CubitRoyalEgyptian, NoteBox::Text5)}},
        {LengthButton::Command6, {unit::Fathom, unit::Reed, unit::FurlongStadion}, {}},
        {LengthButton::Command7,
         {unit::SabbathDaysJourney, unit::ALittleWay, unit::DaysJourneyInCompany},
         {}},
        {LengthButton::Command8, {unit::DaysJourneyAlone, unit::GreekFeet, unit::RomanFeet}, {}},
    };
    return groups;
}

const LengthGroup &GroupOf(LengthButton button)
{
    for (const LengthGroup &group : LengthGroups())
        if (group.button == button)
            return group;
    Q_UNREACHABLE();
}

} // namespace

QStringList FromUnitsOf(LengthButton button)
{
    // The sections run in the order of the from-unit list, whatever order the group names.
    const QStringList &members = GroupOf(button).fromUnits;
    QStringList ordered;
    for (const QString &name : LengthFromUnits())
        if (members.contains(name))
            ordered << name;
    return ordered;
}

QList<NoteBlock> NotesOf(LengthButton button) { return GroupOf(button).notes; }

const ConverterGroup &LengthConverter(LengthButton button)
{
    static const std::array<ConverterGroup, LengthButtons.size()> converters = [] {
        std::array<ConverterGroup, LengthButtons.size()> built;
        for (std::size_t i = 0; i < LengthButtons.size(); ++i)
            built[i] = TableConverter(UnitInches(), unit::Inches, FromUnitsOf(LengthButtons[i]),
                                      LengthToUnits(), NotesOf(LengthButtons[i]));
        return built;
    }();
    return converters[static_cast<std::size_t>(button)];
}

} // namespace convert::linear
