#include "convert/weight/Weights.h"

#include "catalog/ConverterNotes.h"
#include "catalog/Scripture.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"

namespace convert::weight {

namespace {

// The weights of each type beside the modern ones; "Talent" weighs differently in each.
struct TypeWeights
{
    catalog::MeasurementType type;
    UnitTable weights;
};

const QList<TypeWeights> &WeightsByType()
{
    using catalog::MeasurementType;
    static const QList<TypeWeights> weights = {
        {MeasurementType::WeightsOT,
         {{unit::Gerah, 0.02}, {unit::Bekah, 0.201}, {unit::Pim, 0.268}, {unit::Shekel, 0.403},
          {unit::Mina, 20.16}, {unit::Talent, 1209.6}}},
        {MeasurementType::WeightsNT, {{unit::PoundRomanLitra, 12}, {unit::Talent, 1440}}},
    };
    return weights;
}

ConverterGroup WeightConverter(catalog::MeasurementType weightType, const QList<NoteBlock> &notes)
{
    return TableConverter(UnitOunces(weightType), unit::Ounces, catalog::FromUnitList(weightType),
                          catalog::ToUnitList(weightType), notes);
}

} // namespace

UnitTable UnitOunces(catalog::MeasurementType weightType)
{
    // Independent constants: a kilogram is not 1000 grams here, nor a shekel 20 gerahs.
    UnitTable table = {
        {unit::Ounces, 1},
        {unit::Pounds, 16},
        {unit::Grams, 0.0353},
        {unit::Kilograms, 35.2736},
    };
    for (const TypeWeights &type : WeightsByType())
        if (type.type == weightType)
            table += type.weights;
    return table;
}

QList<NoteBlock> WeightNotes()
{
    return {
        {unit::Gerah, NoteBox::Text5, catalog::GerahNote()},
        {unit::Bekah, NoteBox::Text5, catalog::scripture::Exodus38_26()},
        {unit::Pim, NoteBox::Text5, catalog::scripture::Exodus38_26()},
    };
}

ConverterGroup OldTestamentWeightConverter()
{
    return WeightConverter(catalog::MeasurementType::WeightsOT, WeightNotes());
}

ConverterGroup NewTestamentWeightConverter()
{
    return WeightConverter(catalog::MeasurementType::WeightsNT, {});
}

} // namespace convert::weight
