#include <optional>

#include <gtest/gtest.h>

#include "catalog/UnitNames.h"
#include "convert/Converters.h"
#include "convert/capacity/Capacity.h"
#include "support/ConverterBlocks.h"
#include "support/QtPrinting.h"
#include "support/TestNames.h"

namespace {

using convert::ClickOutcome;
using namespace convert::capacity;

// Every pair of Command11, in run order: the acre, then the liquid measures into the
// liquid to-units with "Quarts" after "Pints".
const QList<PairRow> LiquidAndAreaPairs = {
    {unit::Acre, unit::SquareRods, 160, "160.00000000"},
    {unit::Acre, unit::SquareFeet, 43560, "43560.00000000"},
    {unit::Log, unit::Ounces, 10.33, "10.33"},
    {unit::Log, unit::Pints, 0.645625, "0.6456"},
    {unit::Log, unit::Quarts, 0.3228125, "0.3228"},
    {unit::Log, unit::Gallons, 0.080703125, "0.0807"},
    {unit::Log, unit::Liters, 0.293465909090909, "0.2935"},
    {unit::Log, unit::Log, 1, "1.00000000"},
    {unit::Log, unit::KabCab, 0.251951219512195, "0.252"},
    {unit::Log, unit::Hin, 0.0831990979381443, "0.0832"},
    {unit::Log, unit::Bath, 0.0138903829604131, "0.0139"},
    {unit::Log, unit::HomerKor, 0.0013885603062629, "0.0014"},
    {unit::KabCab, unit::Ounces, 41, "41.00000000"},
    {unit::KabCab, unit::Pints, 2.5625, "2.5625"},
    {unit::KabCab, unit::Quarts, 1.28125, "1.2813"},
    {unit::KabCab, unit::Gallons, 0.3203125, "0.3203"},
    {unit::KabCab, unit::Liters, 1.16477272727273, "1.1648"},
    {unit::KabCab, unit::Log, 3.96902226524685, "3.969"},
    {unit::KabCab, unit::KabCab, 1, "1.00000000"},
    {unit::KabCab, unit::Hin, 0.330219072164948, "0.3302"},
    {unit::KabCab, unit::Bath, 0.055131239242685, "0.0551"},
    {unit::KabCab, unit::HomerKor, 0.00551122677219546, "0.0055"},
    {unit::Hin, unit::Ounces, 124.16, "124.16"},
    {unit::Hin, unit::Pints, 7.76, "7.76"},
    {unit::Hin, unit::Quarts, 3.88, "3.88"},
    {unit::Hin, unit::Gallons, 0.97, "0.97"},
    {unit::Hin, unit::Liters, 3.52727272727273, "3.5273"},
    {unit::Hin, unit::Log, 12.0193610842207, "12.0194"},
    {unit::Hin, unit::KabCab, 3.02829268292683, "3.0283"},
    {unit::Hin, unit::Hin, 1, "1.00000000"},
    {unit::Hin, unit::Bath, 0.166953528399312, "0.167"},
    {unit::Hin, unit::HomerKor, 0.01668960770819, "0.0167"},
    {unit::Bath, unit::Ounces, 743.68, "743.68"},
    {unit::Bath, unit::Pints, 46.48, "46.48"},
    {unit::Bath, unit::Quarts, 23.24, "23.24"},
    {unit::Bath, unit::Gallons, 5.81, "5.81"},
    {unit::Bath, unit::Liters, 21.1272727272727, "21.1273"},
    {unit::Bath, unit::Log, 71.9922555663117, "71.9923"},
    {unit::Bath, unit::KabCab, 18.1385365853659, "18.1385"},
    {unit::Bath, unit::Hin, 5.98969072164948, "5.9897"},
    {unit::Bath, unit::Bath, 1, "1.00000000"},
    {unit::Bath, unit::HomerKor, 0.0999655884377151, "0.10"},
    {unit::HomerKor, unit::Ounces, 7439.36, "7439.36"},
    {unit::HomerKor, unit::Pints, 464.96, "464.96"},
    {unit::HomerKor, unit::Quarts, 232.48, "232.48"},
    {unit::HomerKor, unit::Gallons, 58.12, "58.12"},
    {unit::HomerKor, unit::Liters, 211.345454545455, "211.3455"},
    {unit::HomerKor, unit::Log, 720.170377541142, "720.1704"},
    {unit::HomerKor, unit::KabCab, 181.447804878049, "181.4478"},
    {unit::HomerKor, unit::Hin, 59.9175257731959, "59.9175"},
    {unit::HomerKor, unit::Bath, 10.0034423407917, "10.0034"},
    {unit::HomerKor, unit::HomerKor, 1, "1.00000000"},
};

// Every pair of Command12, in run order; the seah has one size, 13.32 dry pints.
const QList<PairRow> DryPairs = {
    {unit::CabKab, unit::DryPints, 2.22, "2.22"},
    {unit::CabKab, unit::DryQuarts, 1.11, "1.11"},
    {unit::CabKab, unit::Liters, 1.22233234225306, "1.2223"},
    {unit::CabKab, unit::Pecks, 0.13875, "0.1388"},
    {unit::CabKab, unit::Bushels, 0.0346875, "0.0347"},
    {unit::CabKab, unit::CabKab, 1, "1.00000000"},
    {unit::CabKab, unit::Omer, 0.555, "0.555"},
    {unit::CabKab, unit::Seah, 0.166666666666667, "0.1667"},
    {unit::CabKab, unit::Ephah, 0.0555555555555556, "0.0556"},
    {unit::CabKab, unit::Lethech, 0.0111122234457904, "0.0111"},
    {unit::CabKab, unit::CorKor, 0.00555611172289519, "0.0056"},
    {unit::CabKab, unit::Homer, 0.00555611172289519, "0.0056"},
    {unit::Omer, unit::DryPints, 4, "4.00000000"},
    {unit::Omer, unit::DryQuarts, 2, "2.00000000"},
    {unit::Omer, unit::Liters, 2.20240061667217, "2.2024"},
    {unit::Omer, unit::Pecks, 0.25, "0.25"},
    {unit::Omer, unit::Bushels, 0.0625, "0.0625"},
    {unit::Omer, unit::CabKab, 1.8018018018018, "1.8018"},
    {unit::Omer, unit::Omer, 1, "1.00000000"},
    {unit::Omer, unit::Seah, 0.3003003003003, "0.3003"},
    {unit::Omer, unit::Ephah, 0.1001001001001, "0.1001"},
    {unit::Omer, unit::Lethech, 0.0200220242266493, "0.02"},
    {unit::Omer, unit::CorKor, 0.0100110121133247, "0.01"},
    {unit::Omer, unit::Homer, 0.0100110121133247, "0.01"},
    {unit::Seah, unit::DryPints, 13.32, "13.32"},
    {unit::Seah, unit::DryQuarts, 6.66, "6.66"},
    {unit::Seah, unit::Liters, 7.33399405351834, "7.334"},
    {unit::Seah, unit::Pecks, 0.8325, "0.8325"},
    {unit::Seah, unit::Bushels, 0.208125, "0.2081"},
    {unit::Seah, unit::CabKab, 6, "6.00000000"},
    {unit::Seah, unit::Omer, 3.33, "3.33"},
    {unit::Seah, unit::Seah, 1, "1.00000000"},
    {unit::Seah, unit::Ephah, 0.333333333333333, "0.3333"},
    {unit::Seah, unit::Lethech, 0.0666733406747422, "0.0667"},
    {unit::Seah, unit::CorKor, 0.0333366703373711, "0.0333"},
    {unit::Seah, unit::Homer, 0.0333366703373711, "0.0333"},
    {unit::Ephah, unit::DryPints, 39.96, "39.96"},
    {unit::Ephah, unit::DryQuarts, 19.98, "19.98"},
    {unit::Ephah, unit::Liters, 22.001982160555, "22.002"},
    {unit::Ephah, unit::Pecks, 2.4975, "2.4975"},
    {unit::Ephah, unit::Bushels, 0.624375, "0.6244"},
    {unit::Ephah, unit::CabKab, 18, "18.00000000"},
    {unit::Ephah, unit::Omer, 9.99, "9.99"},
    {unit::Ephah, unit::Seah, 3, "3.00000000"},
    {unit::Ephah, unit::Ephah, 1, "1.00000000"},
    {unit::Ephah, unit::Lethech, 0.200020022024227, "0.20"},
    {unit::Ephah, unit::CorKor, 0.100010011012113, "0.10"},
    {unit::Ephah, unit::Homer, 0.100010011012113, "0.10"},
    {unit::Lethech, unit::DryPints, 199.78, "199.78"},
    {unit::Lethech, unit::DryQuarts, 99.89, "99.89"},
    {unit::Lethech, unit::Liters, 109.998898799692, "109.9989"},
    {unit::Lethech, unit::Pecks, 12.48625, "12.4863"},
    {unit::Lethech, unit::Bushels, 3.1215625, "3.1216"},
    {unit::Lethech, unit::CabKab, 89.990990990991, "89.991"},
    {unit::Lethech, unit::Omer, 49.945, "49.945"},
    {unit::Lethech, unit::Seah, 14.9984984984985, "14.9985"},
    {unit::Lethech, unit::Ephah, 4.9994994994995, "4.9995"},
    {unit::Lethech, unit::Lethech, 1, "1.00000000"},
    {unit::Lethech, unit::CorKor, 0.5, "0.50"},
    {unit::Lethech, unit::Homer, 0.5, "0.50"},
    {unit::CorKor, unit::DryPints, 399.56, "399.56"},
    {unit::CorKor, unit::DryQuarts, 199.78, "199.78"},
    {unit::CorKor, unit::Liters, 219.997797599383, "219.9978"},
    {unit::CorKor, unit::Pecks, 24.9725, "24.9725"},
    {unit::CorKor, unit::Bushels, 6.243125, "6.2431"},
    {unit::CorKor, unit::CabKab, 179.981981981982, "179.982"},
    {unit::CorKor, unit::Omer, 99.89, "99.89"},
    {unit::CorKor, unit::Seah, 29.996996996997, "29.997"},
    {unit::CorKor, unit::Ephah, 9.998998998999, "9.999"},
    {unit::CorKor, unit::Lethech, 2, "2.00000000"},
    {unit::CorKor, unit::CorKor, 1, "1.00000000"},
    {unit::CorKor, unit::Homer, 1, "1.00000000"},
    {unit::Homer, unit::DryPints, 399.56, "399.56"},
    {unit::Homer, unit::DryQuarts, 199.78, "199.78"},
    {unit::Homer, unit::Liters, 219.997797599383, "219.9978"},
    {unit::Homer, unit::Pecks, 24.9725, "24.9725"},
    {unit::Homer, unit::Bushels, 6.243125, "6.2431"},
    {unit::Homer, unit::CabKab, 179.981981981982, "179.982"},
    {unit::Homer, unit::Omer, 99.89, "99.89"},
    {unit::Homer, unit::Seah, 29.996996996997, "29.997"},
    {unit::Homer, unit::Ephah, 9.998998998999, "9.999"},
    {unit::Homer, unit::Lethech, 2, "2.00000000"},
    {unit::Homer, unit::CorKor, 1, "1.00000000"},
    {unit::Homer, unit::Homer, 1, "1.00000000"},
};

const NamedConverter Command11{"Command11", LiquidAndAreaConverter};
const NamedConverter Command12{"Command12", DryMeasureConverter};

const ConverterTable LiquidAndAreaTable{Command11, LiquidAndAreaPairs};
const ConverterTable DryTable{Command12, DryPairs};

INSTANTIATE_TEST_SUITE_P(Capacity, ConverterTables, ::testing::Values(LiquidAndAreaTable, DryTable), TableName);
INSTANTIATE_TEST_SUITE_P(Capacity, ConverterPairs, ::testing::ValuesIn(PairsOf({LiquidAndAreaTable, DryTable})),
                         PairName);

TEST(CapacityConverters, WriteNoNotes)
{
    for (const convert::ConverterGroup &group : {LiquidAndAreaConverter(), DryMeasureConverter()}) {
        for (const convert::Block &block : group.blocks)
            EXPECT_FALSE(std::holds_alternative<convert::NoteBlock>(block));
    }
}

TEST(UnitDryPints, GivesTheSeahOneSizeInEveryRole)
{
    int seahs = 0;
    for (const convert::UnitValue &row : UnitDryPints())
        seahs += row.name == unit::Seah;
    EXPECT_EQ(seahs, 1);
    EXPECT_EQ(convert::ValueOf(UnitDryPints(), unit::Seah), 13.32);
    // A third of an ephah and six kabs.
    EXPECT_NEAR(3 * 13.32, *convert::ValueOf(UnitDryPints(), unit::Ephah), 1e-12);
    EXPECT_NEAR(6 * *convert::ValueOf(UnitDryPints(), unit::CabKab), 13.32, 1e-12);
}

class CapacityClick : public ::testing::TestWithParam<ClickRow> {};

TEST_P(CapacityClick, WritesTheSentenceOrNothing)
{
    const ClickOutcome out = ExpectClick(GetParam());
    EXPECT_FALSE(out.text5);
    EXPECT_FALSE(out.text6);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, CapacityClick,
    ::testing::Values(
        ClickRow{Command11, "2", unit::Acre, unit::SquareFeet, "2  Acre  =  87120.00000000  Square Feet", false},
        ClickRow{Command11, "0.5", unit::Acre, unit::SquareRods, "0.5  Acre  =  80.00000000  Square Rods", false},
        ClickRow{Command11, "2.5", unit::Hin, unit::Quarts, "2.5  Hin  =  9.70  Quarts", false},
        ClickRow{Command11, "10", unit::KabCab, unit::Liters, "10  Kab(Cab)  =  11.6477  Liters", false},
        ClickRow{Command11, "1000", unit::Log, unit::HomerKor, "1000  Log  =  1.3886  Homer(Kor)", false},
        ClickRow{Command11, "3", unit::Hin, unit::Hin, "3  Hin  =  3.00000000  Hin", false},
        ClickRow{Command11, "-2", unit::Bath, unit::Gallons, "-2  Bath  =  -11.62  Gallons", false},
        ClickRow{Command11, "12abc", unit::KabCab, unit::Ounces, "12abc  Kab(Cab)  =  492.00000000  Ounces", false},
        ClickRow{Command11, "", unit::Log, unit::Pints, "  Log  =  0.00000000  Pints", true},
        ClickRow{Command12, "3", unit::Seah, unit::Ephah, "3  Seah  =  1.00000000  Ephah", false},
        ClickRow{Command12, "6", unit::CabKab, unit::Seah, "6  Cab(Kab)  =  1.00000000  Seah", false},
        ClickRow{Command12, "2.5", unit::Omer, unit::DryQuarts, "2.5  Omer  =  5.00000000  Dry Quarts", false},
        ClickRow{Command12, "0.5", unit::Omer, unit::Pecks, "0.5  Omer  =  0.125  Pecks", false},
        ClickRow{Command12, "-2", unit::Omer, unit::DryPints, "-2  Omer  =  -8.00000000  Dry Pints", false},
        ClickRow{Command12, "abc", unit::Omer, unit::Pecks, "abc  Omer  =  0.00000000  Pecks", false},
        ClickRow{Command12, "1,5", unit::Ephah, unit::Seah, std::nullopt, false, true},
        ClickRow{Command12, "", unit::CabKab, unit::DryPints, "  Cab(Kab)  =  0.00000000  Dry Pints", true}),
    ClickName);

INSTANTIATE_TEST_SUITE_P(
    Failures, CapacityClick,
    ::testing::Values(
        ClickRow{Command11, "1", unit::Acre, unit::Pints, std::nullopt, false},
        ClickRow{Command11, "1", unit::Acre, unit::Acre, std::nullopt, false},
        ClickRow{Command11, "1", unit::Log, unit::SquareFeet, std::nullopt, false},
        ClickRow{Command11, "1", unit::ConvertFrom, unit::ConvertTo, std::nullopt, false},
        ClickRow{Command11, "", unit::Log, unit::ConvertTo, std::nullopt, true},
        ClickRow{Command11, "1", unit::CabKab, unit::Pints, std::nullopt, false},
        ClickRow{Command11, "1", unit::Log, unit::DryPints, std::nullopt, false},
        ClickRow{Command11, "1", QStringLiteral("log"), unit::Pints, std::nullopt, false},
        ClickRow{Command11, "1", unit::Hin, QStringLiteral("Quarts "), std::nullopt, false},
        ClickRow{Command12, "1", unit::ConvertFrom, unit::ConvertTo, std::nullopt, false},
        ClickRow{Command12, "", unit::CabKab, unit::ConvertTo, std::nullopt, true},
        ClickRow{Command12, "1", unit::KabCab, unit::DryPints, std::nullopt, false},
        ClickRow{Command12, "1", unit::HomerKor, unit::Homer, std::nullopt, false},
        ClickRow{Command12, "1", unit::Omer, unit::Quarts, std::nullopt, false},
        ClickRow{Command12, "1", unit::Acre, unit::SquareRods, std::nullopt, false},
        ClickRow{Command12, "1", QStringLiteral("omer"), unit::DryPints, std::nullopt, false}),
    ClickName);

struct CheckRow
{
    QString amount;
    bool amountMissing;
};

void PrintTo(const CheckRow &row, std::ostream *os) { *os << '"' << row.amount.toStdString() << '"'; }

class InputCheck : public ::testing::TestWithParam<CheckRow> {};

TEST_P(InputCheck, CatchesOnlyTheEmptyAmount)
{
    // Whatever the unit boxes hold, nothing is converted.
    const ClickOutcome out = convert::Click(convert::ConverterFor(catalog::ConverterButton::Command13),
                                            {GetParam().amount, unit::Finger, unit::Inches});
    EXPECT_EQ(out.amountMissing, GetParam().amountMissing);
    EXPECT_FALSE(out.sentence);
    EXPECT_FALSE(out.text3);
    EXPECT_FALSE(out.text5);
    EXPECT_FALSE(out.text6);
    EXPECT_FALSE(out.tooLarge);
}

INSTANTIATE_TEST_SUITE_P(Command13, InputCheck,
                         ::testing::Values(CheckRow{"", true}, CheckRow{" ", false},
                                           CheckRow{"abc", false}, CheckRow{"1", false}),
                         [](const auto &info) { return CaseName(Typed(info.param.amount)); });

} // namespace
