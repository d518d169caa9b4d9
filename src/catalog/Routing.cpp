#include "catalog/Routing.h"

#include <algorithm>

#include "catalog/Hours.h"
#include "catalog/Scripture.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitNames.h"
#include "catalog/UnitNotes.h"

namespace catalog {

namespace {

using namespace step;

Show Shown(Pane pane) { return {pane, true}; }
Show Hidden(Pane pane) { return {pane, false}; }

// The area type and the weight, liquid and dry types: the converter panel with their lists.
TypeRow ListTypeRow(MeasurementType type, const QString &name, const UnitLists &lists,
                    std::optional<ConverterButton> buttonStep = std::nullopt)
{
    using enum Pane;
    return {type,
            name,
            {Hidden(Text4), Shown(Text5), Hidden(Frame4), Hidden(Frame5), Hidden(FrameTime),
             Shown(Frame2), Hidden(FrameSplash), FillUnitLists{}, FocusAmount{}},
            lists,
            buttonStep};
}

} // namespace

QStringList UnitLists::ToUnits() const
{
    return toListRepeatsFromUnits ? modernUnits + fromUnits : modernUnits;
}

const QList<TypeRow> &TypeRouting()
{
    using enum Pane;
    using enum ConverterButton;
    using Type = MeasurementType;
    using namespace unit;
    static const QList<TypeRow> rows = [] {
        const QStringList weightUnits = {Ounces, Pounds, Grams, Kilograms};
        return QList<TypeRow>{
            ListTypeRow(Type::Area, measure::Area, {{Acre}, {SquareRods, SquareFeet}, false}),
            {Type::Time,
             measure::Time,
             {Shown(FrameTime), Hidden(Frame2), Hidden(Frame4), Hidden(Frame5), Hidden(FrameSplash),
              Hidden(Text4), FillTimeList{TimeItems()}},
             {},
             std::nullopt},
            {Type::Linear,
             measure::Linear,
             {WriteNote{NotesBox::Text5, LinearNote()}, Shown(Frame2), Hidden(Text4), Shown(Text5),
              Hidden(Frame4), Hidden(Frame5), Hidden(FrameTime), Hidden(FrameSplash),
              FillUnitLists{}, FocusAmount{}},
             {{Finger, Handbreath, Span, CubitRomanNT, CubitEgyptian, CubitHebrewOT, CubitEzekiels,
               CubitRoyalEgyptian, CubitHebrewLong, CubitBabylonRoyal, Pace, Fathom, Reed,
               FurlongStadion, SabbathDaysJourney, ALittleWay, DaysJourneyAlone,
               DaysJourneyInCompany, GreekFeet, RomanFeet, RomanMile},
              {Inches, Feet, Yards, Miles, Centimeters, Meters, Kilometers}},
             std::nullopt},
            ListTypeRow(Type::WeightsOT, measure::WeightsOT,
                        {{Gerah, Bekah, Pim, Shekel, Mina, Talent}, weightUnits}, Command9),
            ListTypeRow(Type::WeightsNT, measure::WeightsNT, {{PoundRomanLitra, Talent}, weightUnits},
                        Command10),
            // The liquid converter also knows "Quarts", but the list does not offer it.
            ListTypeRow(Type::LiquidOT, measure::LiquidOT,
                        {{Log, KabCab, Hin, Bath, HomerKor}, {Ounces, Pints, Gallons, Liters}}, Command11),
            ListTypeRow(Type::DryOT, measure::DryOT,
                        {{CabKab, Omer, Seah, Ephah, Lethech, CorKor, Homer},
                         {DryPints, DryQuarts, Liters, Pecks, Bushels}},
                        Command12),
            {Type::DryAndLiquidNT,
             measure::DryAndLiquidNT,
             {Shown(Text4), Shown(Text5), Hidden(Frame2), Hidden(Frame4), Hidden(Frame5),
              Hidden(FrameTime), Hidden(FrameSplash), WriteNote{NotesBox::Text4, NewTestamentTable()}},
             {},
             Command13},
            {Type::RomanCapacity,
             measure::RomanCapacity,
             {Shown(Text4), Shown(Text5), Hidden(Frame4), Hidden(Frame5), Hidden(FrameTime),
              Hidden(Frame2), Hidden(FrameSplash), WriteNote{NotesBox::Text4, RomanTable()}},
             {},
             Command13},
            {Type::MoneyOT,
             measure::MoneyOT,
             {WriteNote{NotesBox::Text5, MoneyNoteOT()}, Hidden(Text4), Shown(Frame4), Hidden(Frame5),
              Hidden(FrameTime), Hidden(Frame2), Hidden(FrameSplash), ShowDefaultValuesNotice{}},
             {},
             std::nullopt},
            {Type::MoneyNT,
             measure::MoneyNT,
             {WriteNote{NotesBox::Text5, MoneyNoteNT()}, Hidden(Text4), Shown(Text5), Hidden(Frame4),
              Shown(Frame5), Hidden(FrameTime), Hidden(Frame2), Hidden(FrameSplash),
              ShowDefaultValuesNotice{}},
             {},
             std::nullopt},
        };
    }();
    return rows;
}

const TypeRow &RowOf(MeasurementType type)
{
    for (const TypeRow &row : TypeRouting())
        if (row.type == type)
            return row;
    // Every type has its row, as the routing test checks; this is never reached.
    static const TypeRow none{type, {}, {}, {}, std::nullopt};
    return none;
}

QStringList MeasurementTypeNames()
{
    QList<TypeRow> rows = TypeRouting();
    std::sort(rows.begin(), rows.end(), [](const TypeRow &a, const TypeRow &b) { return a.type < b.type; });
    QStringList names;
    for (const TypeRow &row : rows)
        names << row.name;
    return names;
}

QList<ButtonStep> ButtonSteps()
{
    QList<ButtonStep> steps;
    for (const TypeRow &row : TypeRouting())
        if (row.buttonStep)
            steps.append({row.name, *row.buttonStep});
    return steps;
}

const QList<UnitRow> &UnitRouting()
{
    using namespace unit;
    using namespace scripture;
    using enum ConverterButton;
    static const QList<UnitRow> rows = [] {
        const std::nullopt_t none = std::nullopt;
        const QString cubit = CubitUnitNote();
        return QList<UnitRow>{
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
    }();
    return rows;
}

std::optional<ConverterButton> RoutedButton(const QString &fromUnit)
{
    std::optional<ConverterButton> button;
    for (const UnitRow &row : UnitRouting())
        if (row.unit == fromUnit && row.button)
            button = row.button;
    return button;
}

} // namespace catalog
