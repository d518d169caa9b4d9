#include "catalog/UnitLists.h"

#include <QList>

#include "catalog/MeasurementTypes.h"
#include "catalog/UnitNames.h"

namespace catalog {

namespace {

struct UnitLists
{
    QString type;
    QStringList fromUnits;
    QStringList modernUnits; // the to-list begins with these
    bool toListRepeatsFromUnits = true;
};

const QList<UnitLists> &AllLists()
{
    using namespace unit;
    static const QList<UnitLists> lists = {
        {measure::Area, {Acre}, {SquareRods, SquareFeet}, false},
        {measure::Linear,
         {Finger, Handbreath, Span, CubitRomanNT, CubitEgyptian, CubitHebrewOT, CubitEzekiels,
          CubitRoyalEgyptian, CubitHebrewLong, CubitBabylonRoyal, Pace, Fathom, Reed,
          FurlongStadion, SabbathDaysJourney, ALittleWay, DaysJourneyAlone,
          DaysJourneyInCompany, GreekFeet, RomanFeet, RomanMile},
         {Inches, Feet, Yards, Miles, Centimeters, Meters, Kilometers}},
        {measure::WeightsOT, {Gerah, Bekah, Pim, Shekel, Mina, Talent},
         {Ounces, Pounds, Grams, Kilograms}},
        {measure::WeightsNT, {PoundRomanLitra, Talent}, {Ounces, Pounds, Grams, Kilograms}},
        // The liquid converter also knows "Quarts", but the list does not offer it.
        {measure::LiquidOT, {Log, KabCab, Hin, Bath, HomerKor}, {Ounces, Pints, Gallons, Liters}},
        {measure::DryOT, {CabKab, Omer, Seah, Ephah, Lethech, CorKor, Homer},
         {DryPints, DryQuarts, Liters, Pecks, Bushels}},
    };
    return lists;
}

const UnitLists *ListsOf(const QString &type)
{
    for (const UnitLists &lists : AllLists())
        if (lists.type == type)
            return &lists;
    return nullptr;
}

} // namespace

QStringList FromUnitList(const QString &type)
{
    const UnitLists *lists = ListsOf(type);
    return lists ? lists->fromUnits : QStringList();
}

QStringList ToUnitList(const QString &type)
{
    const UnitLists *lists = ListsOf(type);
    if (!lists)
        return {};
    QStringList to = lists->modernUnits;
    if (lists->toListRepeatsFromUnits)
        to += lists->fromUnits;
    return to;
}

} // namespace catalog
