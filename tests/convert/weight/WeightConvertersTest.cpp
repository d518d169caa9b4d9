#include <optional>

#include <gtest/gtest.h>

#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "catalog/UnitNames.h"
#include "convert/weight/Weights.h"
#include "support/ConverterBlocks.h"
#include "support/QtPrinting.h"
#include "support/TestNames.h"

namespace {

using convert::ClickOutcome;
using namespace convert::weight;

// Every pair of Command9, in run order.
const QList<PairRow> OldTestamentPairs = {
    {unit::Gerah, unit::Ounces, 0.02, "0.02"},
    {unit::Gerah, unit::Pounds, 0.00125, "0.0013"},
    {unit::Gerah, unit::Grams, 0.56657223796034, "0.5666"},
    {unit::Gerah, unit::Kilograms, 0.0005669962805044, "0.0006"},
    {unit::Gerah, unit::Gerah, 1, "1.00000000"},
    {unit::Gerah, unit::Bekah, 0.099502487562189, "0.0995"},
    {unit::Gerah, unit::Pim, 0.0746268656716418, "0.0746"},
    {unit::Gerah, unit::Shekel, 0.0496277915632754, "0.0496"},
    {unit::Gerah, unit::Mina, 0.000992063492063492, "0.001"},
    {unit::Gerah, unit::Talent, 1.65343915343915e-05, "0.00000000"},
    {unit::Bekah, unit::Ounces, 0.201, "0.201"},
    {unit::Bekah, unit::Pounds, 0.0125625, "0.0126"},
    {unit::Bekah, unit::Grams, 5.69405099150142, "5.6941"},
    {unit::Bekah, unit::Kilograms, 0.00569831261906922, "0.0057"},
    {unit::Bekah, unit::Gerah, 10.05, "10.05"},
    {unit::Bekah, unit::Bekah, 1, "1.00000000"},
    {unit::Bekah, unit::Pim, 0.75, "0.75"},
    {unit::Bekah, unit::Shekel, 0.498759305210918, "0.4988"},
    {unit::Bekah, unit::Mina, 0.0099702380952381, "0.01"},
    {unit::Bekah, unit::Talent, 0.000166170634920635, "0.0002"},
    {unit::Pim, unit::Ounces, 0.268, "0.268"},
    {unit::Pim, unit::Pounds, 0.01675, "0.0168"},
    {unit::Pim, unit::Grams, 7.59206798866856, "7.5921"},
    {unit::Pim, unit::Kilograms, 0.00759775015875896, "0.0076"},
    {unit::Pim, unit::Gerah, 13.4, "13.40"},
    {unit::Pim, unit::Bekah, 1.33333333333333, "1.3333"},
    {unit::Pim, unit::Pim, 1, "1.00000000"},
    {unit::Pim, unit::Shekel, 0.665012406947891, "0.665"},
    {unit::Pim, unit::Mina, 0.0132936507936508, "0.0133"},
    {unit::Pim, unit::Talent, 0.000221560846560847, "0.0002"},
    {unit::Shekel, unit::Ounces, 0.403, "0.403"},
    {unit::Shekel, unit::Pounds, 0.0251875, "0.0252"},
    {unit::Shekel, unit::Grams, 11.4164305949009, "11.4164"},
    {unit::Shekel, unit::Kilograms, 0.0114249750521637, "0.0114"},
    {unit::Shekel, unit::Gerah, 20.15, "20.15"},
    {unit::Shekel, unit::Bekah, 2.00497512437811, "2.005"},
    {unit::Shekel, unit::Pim, 1.50373134328358, "1.5037"},
    {unit::Shekel, unit::Shekel, 1, "1.00000000"},
    {unit::Shekel, unit::Mina, 0.0199900793650794, "0.02"},
    {unit::Shekel, unit::Talent, 0.000333167989417989, "0.0003"},
    {unit::Mina, unit::Ounces, 20.16, "20.16"},
    {unit::Mina, unit::Pounds, 1.26, "1.26"},
    {unit::Mina, unit::Grams, 571.104815864023, "571.1048"},
    {unit::Mina, unit::Kilograms, 0.571532250748435, "0.5715"},
    {unit::Mina, unit::Gerah, 1008, "1008.00000000"},
    {unit::Mina, unit::Bekah, 100.298507462687, "100.2985"},
    {unit::Mina, unit::Pim, 75.2238805970149, "75.2239"},
    {unit::Mina, unit::Shekel, 50.0248138957816, "50.0248"},
    {unit::Mina, unit::Mina, 1, "1.00000000"},
    {unit::Mina, unit::Talent, 0.0166666666666667, "0.0167"},
    {unit::Talent, unit::Ounces, 1209.6, "1209.60"},
    {unit::Talent, unit::Pounds, 75.6, "75.60"},
    {unit::Talent, unit::Grams, 34266.2889518414, "34266.289"},
    {unit::Talent, unit::Kilograms, 34.2919350449061, "34.2919"},
    {unit::Talent, unit::Gerah, 60480, "60480.00000000"},
    {unit::Talent, unit::Bekah, 6017.91044776119, "6017.9104"},
    {unit::Talent, unit::Pim, 4513.43283582089, "4513.4328"},
    {unit::Talent, unit::Shekel, 3001.4888337469, "3001.4888"},
    {unit::Talent, unit::Mina, 60, "60.00000000"},
    {unit::Talent, unit::Talent, 1, "1.00000000"},
};

// Every pair of Command10, in run order.
const QList<PairRow> NewTestamentPairs = {
    {unit::PoundRomanLitra, unit::Ounces, 12, "12.00000000"},
    {unit::PoundRomanLitra, unit::Pounds, 0.75, "0.75"},
    {unit::PoundRomanLitra, unit::Grams, 339.943342776204, "339.9433"},
    {unit::PoundRomanLitra, unit::Kilograms, 0.34019776830264, "0.3402"},
    {unit::PoundRomanLitra, unit::PoundRomanLitra, 1, "1.00000000"},
    {unit::PoundRomanLitra, unit::Talent, 0.00833333333333333, "0.0083"},
    {unit::Talent, unit::Ounces, 1440, "1440.00000000"},
    {unit::Talent, unit::Pounds, 90, "90.00000000"},
    {unit::Talent, unit::Grams, 40793.2011331445, "40793.2011"},
    {unit::Talent, unit::Kilograms, 40.8237321963168, "40.8237"},
    {unit::Talent, unit::PoundRomanLitra, 120, "120.00000000"},
    {unit::Talent, unit::Talent, 1, "1.00000000"},
};

const NamedConverter Command9{"Command9", OldTestamentWeightConverter};
const NamedConverter Command10{"Command10", NewTestamentWeightConverter};

// The pairs run in the order of the type's lists.
const ConverterTable OldTestamentTable{Command9, OldTestamentPairs};
const ConverterTable NewTestamentTable{Command10, NewTestamentPairs};

INSTANTIATE_TEST_SUITE_P(Weights, ConverterTables, ::testing::Values(OldTestamentTable, NewTestamentTable),
                         TableName);
INSTANTIATE_TEST_SUITE_P(Weights, ConverterPairs,
                         ::testing::ValuesIn(PairsOf({OldTestamentTable, NewTestamentTable})), PairName);

TEST(WeightConverters, WriteNoSentenceForAPairTheyDoNotKnow)
{
    const ClickOutcome out =
        Click(NewTestamentWeightConverter(), {QStringLiteral("1"), unit::Talent, unit::ConvertTo});
    EXPECT_FALSE(out.sentence);
}

struct OunceRow
{
    catalog::MeasurementType type;
    QString name;
    std::optional<double> ounces;
};

void PrintTo(const OunceRow &row, std::ostream *os)
{
    *os << row.name.toStdString() << " among " << catalog::RowOf(row.type).name.toStdString();
}

class UnitOuncesLookup : public ::testing::TestWithParam<OunceRow> {};

TEST_P(UnitOuncesLookup, FindsANameAmongItsOwnTypeOnly)
{
    const OunceRow &row = GetParam();
    EXPECT_EQ(convert::ValueOf(UnitOunces(row.type), row.name), row.ounces);
}

using enum catalog::MeasurementType;

INSTANTIATE_TEST_SUITE_P(
    Weights, UnitOuncesLookup,
    ::testing::Values(OunceRow{WeightsOT, unit::Talent, 1209.6},
                      OunceRow{WeightsNT, unit::Talent, 1440},
                      OunceRow{WeightsOT, unit::Kilograms, 35.2736},
                      OunceRow{WeightsNT, unit::Grams, 0.0353},
                      OunceRow{WeightsNT, unit::Ounces, 1},
                      OunceRow{WeightsOT, unit::PoundRomanLitra, std::nullopt},
                      OunceRow{WeightsNT, unit::Shekel, std::nullopt},
                      OunceRow{Linear, unit::Talent, std::nullopt},
                      OunceRow{WeightsOT, QStringLiteral("talent"), std::nullopt}),
    [](const auto &info) { return CaseName(info.param.name, "among", catalog::RowOf(info.param.type).name); });

const QString GerahNote = QStringLiteral(
    "Qarvel's Bible Dictionary  - A bean, probably of the carob tree, the smallest weight, and also "
    "the smallest piece of money, among the Hebrews, equal to the twentieth part of a shekel . This "
    "word came into use in the same way as our word grain, from a grain of wheat.\r\n\r\n"
    "Numbers 3:47  Thou shalt even take five shekels apiece by the poll, after the shekel of the "
    "sanctuary shalt thou take them: (the shekel is twenty gerahs:)");
const QString BekahNote = QStringLiteral(
    "Exodus 38:26  A bekah for every man, that is, half a shekel, after the shekel of the sanctuary, "
    "for every one that went to be numbered, from twenty years old and");

TEST(WeightNotes, AreTheStoredTextsToTheCharacter)
{
    EXPECT_EQ(GerahNote.size(), 424);
    EXPECT_EQ(BekahNote.size(), 161);
    const QList<convert::NoteBlock> notes = WeightNotes();
    ASSERT_EQ(notes.size(), 3);
    EXPECT_EQ(notes[0].note, GerahNote);
    EXPECT_EQ(notes[1].note, BekahNote);
    EXPECT_EQ(notes[2].note, BekahNote);
}

TEST(WeightNotes, StandBeforeTheirSectionsInTheOldTestamentConverterOnly)
{
    QStringList run;
    for (const convert::Block &block : OldTestamentWeightConverter().blocks)
        if (const auto *note = std::get_if<convert::NoteBlock>(&block))
            run << QStringLiteral("note ") + note->fromUnit;
        else
            run << std::get<convert::PairConversion>(block).fromUnit;
    // Each section is a note or none, then its ten pairs.
    EXPECT_EQ(run.indexOf(QStringLiteral("note Gerah")), 0);
    EXPECT_EQ(run.indexOf(QStringLiteral("note Bekah")), 11);
    EXPECT_EQ(run.indexOf(QStringLiteral("note Pim")), 22);
    EXPECT_EQ(run.size(), 63);
    for (const convert::Block &block : NewTestamentWeightConverter().blocks)
        EXPECT_FALSE(std::holds_alternative<convert::NoteBlock>(block));
}

struct NoteRow
{
    QString amount;
    QString from;
    QString to;
    std::optional<QString> text5;
};

void PrintTo(const NoteRow &row, std::ostream *os)
{
    *os << '"' << row.amount.toStdString() << "\" " << row.from.toStdString() << " -> "
        << row.to.toStdString();
}

class OldTestamentWeightNote : public ::testing::TestWithParam<NoteRow> {};

TEST_P(OldTestamentWeightNote, IsWrittenByTheFromUnitAlone)
{
    const NoteRow &row = GetParam();
    const ClickOutcome out = Click(OldTestamentWeightConverter(), {row.amount, row.from, row.to});
    EXPECT_EQ(out.text5, row.text5);
    EXPECT_FALSE(out.text6);
}

INSTANTIATE_TEST_SUITE_P(
    Command9, OldTestamentWeightNote,
    ::testing::Values(NoteRow{"1", unit::Gerah, unit::Ounces, GerahNote},
                      NoteRow{"1", unit::Gerah, unit::ConvertTo, GerahNote},
                      NoteRow{"", unit::Gerah, unit::Ounces, GerahNote},
                      NoteRow{"1", unit::Gerah, QStringLiteral("Liters"), GerahNote},
                      NoteRow{"1", unit::Bekah, unit::Pim, BekahNote},
                      NoteRow{"1", unit::Pim, unit::ConvertTo, BekahNote},
                      NoteRow{"1", unit::Shekel, unit::Gerah, std::nullopt},
                      NoteRow{"1", unit::Mina, unit::Ounces, std::nullopt},
                      NoteRow{"1", unit::Talent, unit::Mina, std::nullopt},
                      NoteRow{"1", unit::ConvertFrom, unit::ConvertTo, std::nullopt},
                      NoteRow{"1", QStringLiteral("gerah"), unit::Ounces, std::nullopt}),
    [](const auto &info) { return CaseName(Typed(info.param.amount), info.param.from, "to", info.param.to); });

class WeightClick : public ::testing::TestWithParam<ClickRow> {};

TEST_P(WeightClick, WritesTheSentenceOrNothing) { ExpectClick(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Amounts, WeightClick,
    ::testing::Values(
        ClickRow{Command9, "2.5", unit::Pim, unit::Pim, "2.5  Pim  =  2.50  Pim", false},
        ClickRow{Command9, "3", unit::Talent, unit::Mina, "3  Talent  =  180.00000000  Mina", false},
        ClickRow{Command9, "-2", unit::Shekel, unit::Gerah, "-2  Shekel  =  -40.30  Gerah", false},
        ClickRow{Command9, "1,5", unit::Mina, unit::Shekel, std::nullopt, false, true},
        ClickRow{Command9, "", unit::Gerah, unit::Ounces, "  Gerah  =  0.00000000  Ounces", true},
        ClickRow{Command9, " ", unit::Gerah, unit::Ounces, "   Gerah  =  0.00000000  Ounces", false},
        ClickRow{Command9, "abc", unit::Talent, unit::Grams, "abc  Talent  =  0.00000000  Grams", false},
        ClickRow{Command10, "2", unit::PoundRomanLitra, unit::Pounds,
                 "2  Pound (Roman Litra)  =  1.50  Pounds", false},
        ClickRow{Command10, "", unit::PoundRomanLitra, unit::Ounces,
                 "  Pound (Roman Litra)  =  0.00000000  Ounces", true}),
    ClickName);

INSTANTIATE_TEST_SUITE_P(
    Failures, WeightClick,
    ::testing::Values(
        ClickRow{Command9, "1", unit::ConvertFrom, unit::ConvertTo, std::nullopt, false},
        ClickRow{Command9, "", unit::ConvertFrom, unit::ConvertTo, std::nullopt, true},
        ClickRow{Command9, "1", unit::Gerah, unit::ConvertTo, std::nullopt, false},
        ClickRow{Command9, "1", unit::PoundRomanLitra, unit::Ounces, std::nullopt, false},
        ClickRow{Command9, "1", unit::Talent, unit::PoundRomanLitra, std::nullopt, false},
        ClickRow{Command9, "1", QStringLiteral("Talent "), unit::Ounces, std::nullopt, false},
        ClickRow{Command9, "1", unit::Shekel, QStringLiteral("ounces"), std::nullopt, false},
        ClickRow{Command10, "1", unit::ConvertFrom, unit::ConvertTo, std::nullopt, false},
        ClickRow{Command10, "1", unit::Shekel, unit::Ounces, std::nullopt, false},
        ClickRow{Command10, "1", unit::Talent, unit::Mina, std::nullopt, false},
        ClickRow{Command10, "1", unit::Talent, QStringLiteral("talent"), std::nullopt, false}),
    ClickName);

} // namespace
