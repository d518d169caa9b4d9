#include "convert/capacity/Capacity.h"

#include "catalog/UnitNames.h"

namespace convert::capacity {

UnitTable UnitFluidOunces()
{
    // The measures stand in no whole ratios: a homer is 10.0034 baths, not 10.
    return {
        {unit::Log, 10.33},      {unit::KabCab, 41},  {unit::Hin, 124.16},
        {unit::Bath, 743.68},    {unit::HomerKor, 7439.36},
        {unit::Pints, 16},       {unit::Quarts, 32},  {unit::Gallons, 128},
        {unit::Liters, 35.2},
    };
}

UnitTable AreaFactor() { return {{unit::SquareRods, 160}, {unit::SquareFeet, 43560}}; }

UnitTable UnitDryPints()
{
    // One seah is a third of an ephah and six kabs, whichever side of a conversion it is on;
    // a second, rounder value for it would make a seah into a seah less than one.
    return {
        {unit::CabKab, 2.22},     {unit::Omer, 4},           {unit::Seah, 13.32},
        {unit::Ephah, 39.96},     {unit::Lethech, 199.78},   {unit::CorKor, 399.56},
        {unit::Homer, 399.56},
        {unit::DryQuarts, 2},     {unit::Liters, 1.8162},    {unit::Pecks, 16},
        {unit::Bushels, 64},
    };
}

QStringList LiquidMeasures()
{
    return {unit::Log, unit::KabCab, unit::Hin, unit::Bath, unit::HomerKor};
}

QStringList LiquidToUnits()
{
    return QStringList{unit::Ounces, unit::Pints, unit::Quarts, unit::Gallons, unit::Liters} +
           LiquidMeasures();
}

QStringList DryMeasures()
{
    return {unit::CabKab, unit::Omer, unit::Seah, unit::Ephah, unit::Lethech, unit::CorKor,
            unit::Homer};
}

QStringList DryToUnits()
{
    return QStringList{unit::DryPints, unit::DryQuarts, unit::Liters, unit::Pecks, unit::Bushels} +
           DryMeasures();
}

ConverterGroup LiquidAndAreaConverter()
{
    ConverterGroup group;
    for (const UnitValue &area : AreaFactor())
        group.blocks.append(PairConversion{unit::Acre, area.name, FactorRule::Fixed, area.value});
    const UnitTable liquids = UnitFluidOunces();
    for (const QString &fromUnit : LiquidMeasures())
        AppendSection(group, liquids, unit::Ounces, fromUnit, LiquidToUnits());
    return group;
}

ConverterGroup DryMeasureConverter()
{
    return TableConverter(UnitDryPints(), unit::DryPints, DryMeasures(), DryToUnits());
}

} // namespace convert::capacity
