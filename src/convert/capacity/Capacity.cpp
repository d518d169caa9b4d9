#include "convert/capacity/Capacity.h"

#include "catalog/UnitLists.h"
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

ConverterGroup LiquidAndAreaConverter()
{
    ConverterGroup group;
    for (const UnitValue &area : AreaFactor())
        group.blocks.append(PairConversion{unit::Acre, area.name, area.value});
    QStringList toUnits = catalog::ToUnitList(catalog::MeasurementType::LiquidOT);
    toUnits.insert(toUnits.indexOf(unit::Pints) + 1, unit::Quarts);
    const UnitTable liquids = UnitFluidOunces();
    for (const QString &fromUnit : catalog::FromUnitList(catalog::MeasurementType::LiquidOT))
        AppendSection(group, liquids, unit::Ounces, fromUnit, toUnits);
    return group;
}

ConverterGroup DryMeasureConverter()
{
    using catalog::MeasurementType;
    return TableConverter(UnitDryPints(), unit::DryPints, catalog::FromUnitList(MeasurementType::DryOT),
                          catalog::ToUnitList(MeasurementType::DryOT));
}

} // namespace convert::capacity
