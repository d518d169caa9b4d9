#include <map>
#include <optional>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/Hours.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "catalog/Scripture.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNotes.h"
#include "support/QtPrinting.h"
#include "support/TestNames.h"

namespace {

using namespace catalog;
using enum ConverterButton;
using Text = QString (*)();

// The eleven types in the order their rows are compared, each with the button it makes the
// visible one, if any.
const struct
{
    const char *name;
    std::optional<ConverterButton> button;
} TypesInComparedOrder[] = {
    {"Area Measures", std::nullopt},
    {"Time", std::nullopt},
    {"Linear Measures Old & New Testament", std::nullopt},
    {"Weights Old Testament", Command9},
    {"Weights New Testament", Command10},
    {"Liquid Measure Old Testament", Command11},
    {"Dry Measure Old Testament", Command12},
    {"Dry and Liquid Measures New Testament", Command13},
    {"Roman Capacity Measures", Command13},
    {"Money Values Old Testament", std::nullopt},
    {"Money Values New Testament", std::nullopt},
};

TEST(MeasurementTypes, AreComparedInTheirOwnOrderWithTheirButtonStep)
{
    const auto &expected = TypesInComparedOrder;
    const QList<TypeRow> &rows = TypeRouting();
    ASSERT_EQ(rows.size(), std::size(expected));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, QString::fromUtf8(expected[i].name)) << i;
        EXPECT_EQ(rows[i].buttonStep, expected[i].button) << expected[i].name;
    }
    // The same eleven names as the type list offers.
    QStringList names;
    for (const TypeRow &row : rows)
        names << row.name;
    QStringList listed = MeasurementTypeNames();
    names.sort();
    listed.sort();
    EXPECT_EQ(names, listed);
}

// Each type has one row, found by its key.
TEST(TypeRouting, HasOneRowPerType)
{
    std::set<MeasurementType> seen;
    for (const TypeRow &row : TypeRouting()) {
        EXPECT_TRUE(seen.insert(row.type).second) << row.name.toStdString();
        EXPECT_EQ(&RowOf(row.type), &row) << row.name.toStdString();
    }
    EXPECT_EQ(seen.size(), std::size(TypesInComparedOrder));
    // The type list offers them in the order of their keys.
    EXPECT_EQ(MeasurementTypeNames().first(), RowOf(MeasurementType::Linear).name);
    EXPECT_EQ(MeasurementTypeNames().last(), RowOf(MeasurementType::Area).name);
}

// The types of the converter panel; the time, informational and money types have no lists.
TEST(MeasurementTypes, HaveListsExactlyWhenTheyConvertUnits)
{
    const QStringList listTypes = {measure::Area, measure::Linear, measure::WeightsOT, measure::WeightsNT,
                                   measure::LiquidOT, measure::DryOT};
    for (const TypeRow &t : TypeRouting()) {
        EXPECT_EQ(!FromUnitList(t.type).isEmpty(), listTypes.contains(t.name)) << t.name.toStdString();
        EXPECT_EQ(!ToUnitList(t.type).isEmpty(), listTypes.contains(t.name)) << t.name.toStdString();
    }
}

TEST(ButtonSteps, FollowTheRowsForTheWeightLiquidDryAndInformationalTypes)
{
    const QList<ButtonStep> steps = ButtonSteps();
    // The weight, liquid, dry and informational types, in the same order.
    std::vector<std::pair<QString, ConverterButton>> expected;
    for (const auto &type : TypesInComparedOrder)
        if (type.button)
            expected.emplace_back(QString::fromUtf8(type.name), *type.button);
    ASSERT_EQ(expected.size(), 6u);
    ASSERT_EQ(steps.size(), std::size(expected));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].name, expected[i].first);
        EXPECT_EQ(steps[i].button, expected[i].second) << expected[i].first.toStdString();
    }
}

// What a row leaves behind, folded from its steps.
struct RowEffect
{
    std::map<Pane, int> times;  // how often each pane is set
    std::map<Pane, bool> shown; // as the row leaves it
    std::optional<QString> text4, text5;
    bool lists = false;
    std::optional<QStringList> timeItems;
    bool focusesAmount = false;
    bool focusAfterConverterPanelShown = false;
    bool notice = false;
    bool noticeIsLast = false;
};

RowEffect Fold(const TypeRow &row)
{
    RowEffect e;
    for (qsizetype i = 0; i < row.steps.size(); ++i) {
        const TypeStep &s = row.steps[i];
        if (const auto *show = std::get_if<step::Show>(&s)) {
            ++e.times[show->pane];
            e.shown[show->pane] = show->shown;
        } else if (const auto *note = std::get_if<step::WriteNote>(&s)) {
            (note->box == NotesBox::Text4 ? e.text4 : e.text5) = note->text;
        } else if (std::holds_alternative<step::FillUnitLists>(s)) {
            e.lists = true;
        } else if (const auto *time = std::get_if<step::FillTimeList>(&s)) {
            e.timeItems = time->items;
        } else if (std::holds_alternative<step::FocusAmount>(s)) {
            e.focusesAmount = true;
            e.focusAfterConverterPanelShown = e.shown.count(Pane::Frame2) && e.shown[Pane::Frame2];
        } else if (std::holds_alternative<step::ShowDefaultValuesNotice>(s)) {
            e.notice = true;
            e.noticeIsLast = i == row.steps.size() - 1;
        }
    }
    return e;
}

struct RowCase
{
    const char *type;
    Pane visible; // the one of Frame2, Frame4, Frame5, FrameTime and Text4 left showing
    Text text5;   // the note it writes, or none
    Text text4;   // the table it writes, or none
    bool lists;
    bool timeList;
    bool focus;
    bool notice;
};

void PrintTo(const RowCase &c, std::ostream *os) { *os << c.type; }

class TypeRowEffect : public ::testing::TestWithParam<RowCase>
{
};

TEST_P(TypeRowEffect, LeavesThePanelAreaAsItsTypeWants)
{
    const RowCase &c = GetParam();
    std::optional<TypeRow> row;
    for (const TypeRow &r : TypeRouting())
        if (r.name == QString::fromUtf8(c.type))
            row = r;
    ASSERT_TRUE(row);
    RowEffect e = Fold(*row);

    // Every row sets all six, each once, and leaves exactly one panel showing.
    for (Pane pane : {Pane::Frame2, Pane::Frame4, Pane::Frame5, Pane::FrameTime, Pane::Text4}) {
        EXPECT_EQ(e.times[pane], 1) << int(pane);
        EXPECT_EQ(e.shown[pane], pane == c.visible) << int(pane);
    }
    EXPECT_EQ(e.times[Pane::FrameSplash], 1);
    EXPECT_FALSE(e.shown[Pane::FrameSplash]);
    // No step hides the notes box.
    EXPECT_TRUE(!e.shown.count(Pane::Text5) || e.shown[Pane::Text5]);

    EXPECT_EQ(e.text5, c.text5 ? std::optional<QString>(c.text5()) : std::nullopt);
    EXPECT_EQ(e.text4, c.text4 ? std::optional<QString>(c.text4()) : std::nullopt);
    // A row fills the unit boxes exactly when its type has lists to fill them with.
    EXPECT_EQ(e.lists, c.lists);
    EXPECT_EQ(!FromUnitList(row->type).isEmpty(), c.lists);
    ASSERT_EQ(e.timeItems.has_value(), c.timeList);
    if (e.timeItems) {
        EXPECT_EQ(*e.timeItems, TimeItems());
    }
    EXPECT_EQ(e.focusesAmount, c.focus);
    if (e.focusesAmount) {
        EXPECT_TRUE(e.focusAfterConverterPanelShown) << "the amount box must be showing first";
    }
    EXPECT_EQ(e.notice, c.notice);
    if (e.notice) {
        EXPECT_TRUE(e.noticeIsLast);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, TypeRowEffect,
    ::testing::Values(
        RowCase{"Area Measures", Pane::Frame2, nullptr, nullptr, true, false, true, false},
        RowCase{"Time", Pane::FrameTime, nullptr, nullptr, false, true, false, false},
        RowCase{"Linear Measures Old & New Testament", Pane::Frame2, LinearNote, nullptr, true, false, true, false},
        RowCase{"Weights Old Testament", Pane::Frame2, nullptr, nullptr, true, false, true, false},
        RowCase{"Weights New Testament", Pane::Frame2, nullptr, nullptr, true, false, true, false},
        RowCase{"Liquid Measure Old Testament", Pane::Frame2, nullptr, nullptr, true, false, true, false},
        RowCase{"Dry Measure Old Testament", Pane::Frame2, nullptr, nullptr, true, false, true, false},
        RowCase{"Dry and Liquid Measures New Testament", Pane::Text4, nullptr, NewTestamentTable, false, false, false, false},
        RowCase{"Roman Capacity Measures", Pane::Text4, nullptr, RomanTable, false, false, false, false},
        RowCase{"Money Values Old Testament", Pane::Frame4, MoneyNoteOT, nullptr, false, false, false, true},
        RowCase{"Money Values New Testament", Pane::Frame5, MoneyNoteNT, nullptr, false, false, false, true}),
    [](const auto &info) { return CaseName(info.param.type); });

struct UnitCase
{
    const char *unit;
    std::optional<ConverterButton> button;
    Text note;
    Text quote;
};

TEST(UnitRouting, GivesEachRoutedUnitItsButtonNoteAndQuotationInTableOrder)
{
    using namespace scripture;
    const UnitCase expected[] = {
        {"Acre", Command11, AcreNote, nullptr},
        {"Finger", Command1, nullptr, Jeremiah52_21},
        {"Handbreath", Command1, nullptr, Exodus37_12},
        {"Cubit (Egyptian)", Command1, CubitUnitNote, nullptr},
        {"Span", Command31, nullptr, Exodus28_16},
        {"Cubit (Roman, NT)", Command31, CubitUnitNote, nullptr},
        {"Roman Mile", Command31, nullptr, nullptr},
        {"Cubit (Hebrew, OT)", Command51, CubitUnitNote, nullptr},
        {"Cubit (Ezekiel's)", Command51, CubitUnitNote, nullptr},
        {"Cubit (Royal Egyptian)", Command51, CubitUnitNote, nullptr},
        {"Cubit (Hebrew Long)", Command41, CubitUnitNote, nullptr},
        {"Cubit (Babylon Royal)", Command41, CubitUnitNote, nullptr},
        {"Pace", Command41, nullptr, SecondSamuel6_13},
        {"Fathom", Command6, nullptr, Acts27_28},
        {"Reed", Command6, nullptr, Ezekiel40_5},
        {"Furlong (Stadion)", Command6, nullptr, Luke24_13},
        {"Sabbath Day's Journey", Command7, SabbathNote, Acts1_12},
        {"A Little Way", Command7, nullptr, SecondSamuel19_36},
        {"Day's Journey (In Company)", Command7, DaysJourneyInCompanyNote, Luke2_44},
        {"Day's Journey (Alone)", Command8, DaysJourneyAloneNote, Genesis30_36},
        {"Greek Feet", Command8, nullptr, nullptr},
        {"Roman Feet", Command8, nullptr, nullptr},
        {"Homer", std::nullopt, HomerNote, nullptr},
        {"Lethech", std::nullopt, LethechNote, nullptr},
        {"Ephah", std::nullopt, EphahNote, nullptr},
        {"Seah", std::nullopt, SeahNote, nullptr},
        {"Omer", std::nullopt, OmerNote, nullptr},
        {"Cab(Kab)", std::nullopt, KabNote, nullptr},
        {"Bath", std::nullopt, BathNote, nullptr},
        {"Hin", std::nullopt, HinNote, nullptr},
        {"Log", std::nullopt, LogNote, nullptr},
        {"Kab(Cab)", std::nullopt, KabNote, nullptr},
    };
    const QList<UnitRow> rows = UnitRouting();
    ASSERT_EQ(rows.size(), std::size(expected));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const UnitCase &c = expected[i];
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(rows[i].unit, QString::fromUtf8(c.unit));
        EXPECT_EQ(rows[i].button, c.button);
        EXPECT_EQ(rows[i].note, c.note ? std::optional<QString>(c.note()) : std::nullopt);
        EXPECT_EQ(rows[i].quote, c.quote ? std::optional<QString>(c.quote()) : std::nullopt);
        // Only the acre writes its name back.
        EXPECT_EQ(rows[i].rewritesUnit, i == 0);
    }
}

TEST(UnitRouting, KeysAreDistinctAndEachIsAListedFromUnit)
{
    QStringList listed;
    for (const TypeRow &t : TypeRouting())
        listed += FromUnitList(t.type);
    std::set<QString> keys;
    for (const UnitRow &row : UnitRouting()) {
        EXPECT_TRUE(keys.insert(row.unit).second) << "twice: " << row.unit.toStdString();
        EXPECT_TRUE(listed.contains(row.unit)) << "no list offers " << row.unit.toStdString();
    }
    // Only these list items have no row: their type's button serves them as it is.
    QStringList unrouted;
    for (const QString &unit : listed)
        if (!keys.count(unit))
            unrouted << unit;
    EXPECT_EQ(unrouted, (QStringList{"Gerah", "Bekah", "Pim", "Shekel", "Mina", "Talent",
                                     "Pound (Roman Litra)", "Talent", "Homer(Kor)", "Cor(Kor)"}));
    EXPECT_FALSE(keys.count("Convert From"));
}

// The button a from-unit's row makes visible, which is also the length converter that
// serves it; a unit without one keeps its type's button.
TEST(UnitRouting, NamesTheButtonOfARoutedUnitOnly)
{
    EXPECT_EQ(RoutedButton("Finger"), Command1);
    EXPECT_EQ(RoutedButton("Roman Mile"), Command31);
    EXPECT_EQ(RoutedButton("Acre"), Command11);
    EXPECT_EQ(RoutedButton("Homer"), std::nullopt);
    EXPECT_EQ(RoutedButton("Gerah"), std::nullopt);
    EXPECT_EQ(RoutedButton("finger"), std::nullopt);
    EXPECT_EQ(RoutedButton("Convert From"), std::nullopt);
}

TEST(TimeRouting, ListsTheNineteenItemsInOrder)
{
    EXPECT_EQ(TimeItems(),
              (QStringList{"Beginning of the Watches", "Cock-crowing", "Cool of the Day", "Day",
                           "Eleventh Hour", "Fourth Watch", "Heat of the Day", "Middle Watch",
                           "Morning Watch", "Night", "Ninth Hour", "Second Watch", "Seventh Hour",
                           "Sixth Hour", "Tenth Hour", "Third Hour", "Third Watch",
                           "Watch - Old Testament", "Watch - New Testament"}));
}

TEST(TimeRouting, GivesEachItemItsNoteAndQuotation)
{
    using namespace scripture;
    const struct
    {
        const char *item;
        const char *note;
        Text quote;
    } expected[] = {
        {"Beginning of the Watches", "About 9 PM.", Lamentations2_19},
        {"Cock-crowing",
         "There were two : one after midnight, and one before dawn. Both are mentioned in Mark "
         "14:30. The latter was THE cock-crowing.",
         nullptr},
        {"Cool of the Day", "From about 2 to about 6 p.m.", Genesis3_8},
        {"Day", "Reckoned from sunset to sunset.", Genesis1_5},
        {"Eleventh Hour", "About 5 PM.", Matthew20_6},
        {"Fourth Watch", " From about 3 a.m. till about 6 a.m.", Matthew14_25},
        {"Heat of the Day", "From about 10 a.m. till 2 p.m.", Genesis18_1},
        {"Middle Watch", "From about midnight till about 3 a.m.", Judges7_19},
        {"Morning Watch", "From about 3 a.m. till 6 a.m.", Exodus14_24},
        {"Night", "The natural night was from sunset to sunrise.", Genesis1_5},
        {"Ninth Hour", "About 3 PM.", Matthew27_46},
        {"Second Watch", "About 9 to 12 PM.", Luke12_38},
        {"Seventh Hour", "About 1 PM.", John4_52},
        {"Sixth Hour", "About 12 noon.", Matthew20_5},
        {"Tenth Hour", "About 4 PM.", John1_39},
        {"Third Hour", "About 9 AM.", Matthew20_3},
        {"Third Watch", "From about midnight to about 3 AM.", Luke12_38},
        {"Watch - Old Testament",
         "First Watch, 9 PM until midnight.\r\nMiddle Watch, midnight until 3 AM.\r\n"
         "Morning Watch, 3 AM until 6 AM.",
         nullptr},
        {"Watch - New Testament",
         "First Watch, 6 PM until 9 PM.\r\nSecond Watch, 9 PM until midnight.\r\n"
         "Third Watch, midnight until 3 AM.\r\nFourth Watch, 3 AM until 6 AM.",
         nullptr},
    };
    const QList<TimeRow> rows = TimeRouting();
    ASSERT_EQ(rows.size(), std::size(expected));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].item);
        EXPECT_EQ(rows[i].item, QString::fromUtf8(expected[i].item));
        EXPECT_EQ(rows[i].note, QString::fromUtf8(expected[i].note));
        EXPECT_EQ(rows[i].quote, expected[i].quote ? std::optional<QString>(expected[i].quote())
                                                   : std::nullopt);
        // Only the cock-crowing writes the notes box: both Mark verses, one line each.
        EXPECT_EQ(rows[i].notes, i == 1 ? std::optional<QString>(Mark13_35() + "\r\n" + Mark14_30())
                                        : std::nullopt);
    }
}

} // namespace
