#include "convert/weight/Weights.h"

#include "catalog/LineBreak.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"

namespace convert::weight {

namespace {

QString GerahDictionary()
{
    return QStringLiteral(
        "Qarvel's Bible Dictionary  - A bean, probably of the carob tree, the smallest weight, "
        "and also the smallest piece of money, among the Hebrews, equal to the twentieth part "
        "of a shekel . This word came into use in the same way as our word grain, from a grain "
        "of wheat.");
}

QString Numbers3v47()
{
    return QStringLiteral(
        "Numbers 3:47  Thou shalt even take five shekels apiece by the poll, after the shekel of "
        "the sanctuary shalt thou take them: (the shekel is twenty gerahs:)");
}

// The verse breaks off after "and" in the quotation as it has always been shown.
QString Exodus38v26()
{
    return QStringLiteral(
        "Exodus 38:26  A bekah for every man, that is, half a shekel, after the shekel of the "
        "sanctuary, for every one that went to be numbered, from twenty years old and");
}

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
        {unit::Gerah, NoteBox::Text5, GerahDictionary() + catalog::BlankLine + Numbers3v47()},
        {unit::Bekah, NoteBox::Text5, Exodus38v26()},
        {unit::Pim, NoteBox::Text5, Exodus38v26()},
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
