#include <gtest/gtest.h>

#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "catalog/UnitLists.h"
#include "support/QtPrinting.h"
#include "support/RoutingFacts.h"
#include "support/TestNames.h"

namespace {

struct ListCase
{
    const char *type;
    QStringList fromUnits;
    QStringList toUnits;
};

void PrintTo(const ListCase &c, std::ostream *os) { *os << '"' << c.type << '"'; }

// Written out letter for letter: the converters compare these texts exactly.
const QStringList LinearFrom = {
    "Finger", "Handbreath", "Span", "Cubit (Roman, NT)", "Cubit (Egyptian)",
    "Cubit (Hebrew, OT)", "Cubit (Ezekiel's)", "Cubit (Royal Egyptian)", "Cubit (Hebrew Long)",
    "Cubit (Babylon Royal)", "Pace", "Fathom", "Reed", "Furlong (Stadion)",
    "Sabbath Day's Journey", "A Little Way", "Day's Journey (Alone)",
    "Day's Journey (In Company)", "Greek Feet", "Roman Feet", "Roman Mile"};
const QStringList WeightsOTFrom = {"Gerah", "Bekah", "Pim", "Shekel", "Mina", "Talent"};
const QStringList WeightsNTFrom = {"Pound (Roman Litra)", "Talent"};
const QStringList LiquidFrom = {"Log", "Kab(Cab)", "Hin", "Bath", "Homer(Kor)"};
const QStringList DryFrom = {"Cab(Kab)", "Omer", "Seah", "Ephah", "Lethech", "Cor(Kor)", "Homer"};
const QStringList Metric = {"Ounces", "Pounds", "Grams", "Kilograms"};

class UnitLists : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(UnitLists, OffersTheTypesUnitsInListOrder)
{
    const ListCase &c = GetParam();
    // A text that names no type has no lists.
    EXPECT_EQ(FromUnitsNamed(QString::fromUtf8(c.type)), c.fromUnits);
    EXPECT_EQ(ToUnitsNamed(QString::fromUtf8(c.type)), c.toUnits);
}

const ListCase kLists[] = {
    ListCase{"Area Measures", {"Acre"}, {"Square Rods", "Square Feet"}},
    ListCase{"Linear Measures Old & New Testament", LinearFrom,
             QStringList{"Inches", "Feet", "Yards", "Miles", "Centimeters", "Meters",
                         "Kilometers"} + LinearFrom},
    ListCase{"Weights Old Testament", WeightsOTFrom, Metric + WeightsOTFrom},
    ListCase{"Weights New Testament", WeightsNTFrom, Metric + WeightsNTFrom},
    ListCase{"Liquid Measure Old Testament", LiquidFrom,
             QStringList{"Ounces", "Pints", "Gallons", "Liters"} + LiquidFrom},
    ListCase{"Dry Measure Old Testament", DryFrom,
             QStringList{"Dry Pints", "Dry Quarts", "Liters", "Pecks", "Bushels"} + DryFrom},
    ListCase{"Dry and Liquid Measures New Testament", {}, {}},
    ListCase{"Roman Capacity Measures", {}, {}},
    ListCase{"Money Values Old Testament", {}, {}},
    ListCase{"Money Values New Testament", {}, {}},
    ListCase{"Time", {}, {}},
    // Only an exact name has lists.
    ListCase{"Choose A Measurement Type", {}, {}},
    ListCase{"area measures", {}, {}},
    ListCase{"Area Measures ", {}, {}},
    ListCase{"", {}, {}}};

INSTANTIATE_TEST_SUITE_P(EveryType, UnitLists, ::testing::ValuesIn(kLists),
                         [](const auto &info) { return CaseName(Typed(info.param.type)); });

TEST(UnitListSizes, MatchTheCountsTheListsPromise)
{
    using enum catalog::MeasurementType;
    const struct
    {
        catalog::MeasurementType type;
        qsizetype from, to;
    } sizes[] = {{Area, 1, 2},     {Linear, 21, 28}, {WeightsOT, 6, 10},
                 {WeightsNT, 2, 6}, {LiquidOT, 5, 9}, {DryOT, 7, 12}};
    for (const auto &s : sizes) {
        SCOPED_TRACE(::testing::PrintToString(s.type));
        EXPECT_EQ(catalog::FromUnitList(s.type).size(), s.from);
        EXPECT_EQ(catalog::ToUnitList(s.type).size(), s.to);
        EXPECT_EQ(catalog::FromUnitList(s.type).removeDuplicates(), 0);
        EXPECT_EQ(catalog::ToUnitList(s.type).removeDuplicates(), 0);
    }
}

} // namespace
