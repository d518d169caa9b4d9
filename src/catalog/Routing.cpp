#include "catalog/Routing.h"

#include "catalog/Hours.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Scripture.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"
#include "catalog/UnitNotes.h"

namespace catalog {

QList<MeasurementType> MeasurementTypes()
{
    using enum ConverterButton;
    return {
        {measure::Area, std::nullopt},
        {measure::Time, std::nullopt},
        {measure::Linear, std::nullopt},
        {measure::WeightsOT, Command9},
        {measure::WeightsNT, Command10},
        {measure::LiquidOT, Command11},
        {measure::DryOT, Command12},
        {measure::DryAndLiquidNT, Command13},
        {measure::RomanCapacity, Command13},
        {measure::MoneyOT, std::nullopt},
        {measure::MoneyNT, std::nullopt},
    };
}

namespace {

using namespace step;

Show Shown(Pane pane) { return {pane, true}; }
Show Hidden(Pane pane) { return {pane, false}; }

FillUnitLists ListsOf(const QString &type) { return {FromUnitList(type), ToUnitList(type)}; }

// The area type and the weight, liquid and dry types: the converter panel with their lists.
TypeRow ListTypeRow(const QString &type)
{
    using enum Pane;
    return {type,
            {Hidden(Text4), Shown(Text5), Hidden(Frame4), Hidden(Frame5), Hidden(FrameTime),
             Shown(Frame2), Hidden(FrameSplash), ListsOf(type), FocusAmount{}}};
}

} // namespace

QList<TypeRow> TypeRouting()
{
    using enum Pane;
    return {
        ListTypeRow(measure::Area),
        {measure::Time,
         {Shown(FrameTime), Hidden(Frame2), Hidden(Frame4), Hidden(Frame5), Hidden(FrameSplash),
          Hidden(Text4), FillTimeList{TimeItems()}}},
        {measure::Linear,
         {WriteNote{NotesBox::Text5, LinearNote()}, Shown(Frame2), Hidden(Text4), Shown(Text5),
          Hidden(Frame4), Hidden(Frame5), Hidden(FrameTime), Hidden(FrameSplash),
          ListsOf(measure::Linear), FocusAmount{}}},
        ListTypeRow(measure::WeightsOT),
        ListTypeRow(measure::WeightsNT),
        ListTypeRow(measure::LiquidOT),
        ListTypeRow(measure::DryOT),
        {measure::DryAndLiquidNT,
         {Shown(Text4), Shown(Text5), Hidden(Frame2), Hidden(Frame4), Hidden(Frame5),
          Hidden(FrameTime), Hidden(FrameSplash), WriteNote{NotesBox::Text4, NewTestamentTable()}}},
        {measure::RomanCapacity,
         {Shown(Text4), Shown(Text5), Hidden(Frame4), Hidden(Frame5), Hidden(FrameTime),
          Hidden(Frame2), Hidden(FrameSplash), WriteNote{NotesBox::Text4, RomanTable()}}},
        {measure::MoneyOT,
         {WriteNote{NotesBox::Text5, MoneyNoteOT()}, Hidden(Text4), Shown(Frame4), Hidden(Frame5),
          Hidden(FrameTime), Hidden(Frame2), Hidden(FrameSplash), ShowDefaultValuesNotice{}}},
        {measure::MoneyNT,
         {WriteNote{NotesBox::Text5, MoneyNoteNT()}, Hidden(Text4), Shown(Text5), Hidden(Frame4),
          Shown(Frame5), Hidden(FrameTime), Hidden(Frame2), Hidden(FrameSplash),
          ShowDefaultValuesNotice{}}},
    };
}

QList<ButtonStep> ButtonSteps()
{
    QList<ButtonStep> steps;
    for (const MeasurementType &type : MeasurementTypes())
        if (type.buttonStep)
            steps.append({type.name, *type.buttonStep});
    return steps;
}

QList<UnitRow> UnitRouting()
{
    using namespace unit;
    using namespace scripture;
    using enum ConverterButton;
    const std::nullopt_t none = std::nullopt;
    const QString cubit = CubitUnitNote();
    return {
        {Acre, Command11, AcreNote(), none, true},
        {Finger, Command1, none, Jeremiah52_21()},
        {Handbreath, Command1, none, Exodus37_12()},
        {CubitEgyptian, Command1, cubit, none},
        {Span, Command31, none, Exodus28_16()},
        {CubitRomanNT, Command31, cubit, none},
        {RomanMile, Command31, none, none},
        {CubitHebrewOT, Command51, cubit, none},
        {CubitEzekiels, Command51, cubit, none},
        {CubitRoyalEgyptian, Command51, cubit, none},
        {CubitHebrewLong, Command41, cubit, none},
        {CubitBabylonRoyal, Command41, cubit, none},
        {Pace, Command41, none, SecondSamuel6_13()},
        {Fathom, Command6, none, Acts27_28()},
        {Reed, Command6, none, Ezekiel40_5()},
        {FurlongStadion, Command6, none, Luke24_13()},
        {SabbathDaysJourney, Command7, SabbathNote(), Acts1_12()},
        {ALittleWay, Command7, none, SecondSamuel19_36()},
        {DaysJourneyInCompany, Command7, DaysJourneyInCompanyNote(), Luke2_44()},
        {DaysJourneyAlone, Command8, DaysJourneyAloneNote(), Genesis30_36()},
        {GreekFeet, Command8, none, none},
        {RomanFeet, Command8, none, none},
        // The Old Testament dry and liquid units keep the button their type made visible.
        {Homer, none, HomerNote(), none},
        {Lethech, none, LethechNote(), none},
        {Ephah, none, EphahNote(), none},
        {Seah, none, SeahNote(), none},
        {Omer, none, OmerNote(), none},
        {CabKab, none, KabNote(), none},
        {Bath, none, BathNote(), none},
        {Hin, none, HinNote(), none},
        {Log, none, LogNote(), none},
        {KabCab, none, KabNote(), none},
    };
}

} // namespace catalog
