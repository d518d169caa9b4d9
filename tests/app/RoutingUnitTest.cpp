#include <string>

#include "catalog/Scripture.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitNotes.h"
#include "support/RoutingFacts.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

using Text = QString (*)();

const QString EarlierNote = QStringLiteral("an earlier note");
const QString EarlierVerse = QStringLiteral("an earlier verse");

class UnitChoice : public WindowTest
{
protected:
    // Picks the type and marks both notes boxes, so that what the unit leaves alone shows.
    void ChooseType(const char *type)
    {
        Pick("Combo1", QString::fromUtf8(type));
        Box("Text5")->setText(EarlierNote);
        Box("Text6")->setText(EarlierVerse);
    }
};

const char *const Linear = "Linear Measures Old & New Testament";
const char *const Dry = "Dry Measure Old Testament";
const char *const Liquid = "Liquid Measure Old Testament";

struct UnitCase
{
    const char *type;
    const char *unit;
    Text note;  // or Text5 keeps what it showed
    Text quote; // or Text6 keeps what it showed
};

void PrintTo(const UnitCase &c, std::ostream *os) { *os << c.unit << " in " << c.type; }

class EveryRoutedUnit : public UnitChoice, public ::testing::WithParamInterface<UnitCase>
{
};

TEST_P(EveryRoutedUnit, ShowsItsButtonNoteAndQuotation)
{
    const UnitCase &c = GetParam();
    // The one visible afterwards.
    const auto serving = ServingButton(QString::fromUtf8(c.type), QString::fromUtf8(c.unit));
    ASSERT_TRUE(serving.has_value());
    const char *button = ButtonName(*serving);
    ChooseType(c.type);
    Pick("Combo3", List("Combo3")->itemText(0));
    Type("Text1", "3");
    Box("Text2")->setText("a sentence");

    Pick("Combo2", QString::fromUtf8(c.unit));

    EXPECT_EQ(ButtonsNotHidden(), QStringList{button});
    EXPECT_EQ(ButtonAtConvertSpot(), Button(button));
    EXPECT_EQ(Box("Text5")->text(), c.note ? c.note() : EarlierNote);
    EXPECT_EQ(Box("Text6")->text(), c.quote ? c.quote() : EarlierVerse);
    // It converts nothing and touches nothing else.
    EXPECT_EQ(List("Combo2")->text(), QString::fromUtf8(c.unit));
    EXPECT_EQ(List("Combo3")->text(), List("Combo3")->itemText(0));
    EXPECT_EQ(Line("Text1")->text(), QStringLiteral("3"));
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("a sentence"));
    EXPECT_TRUE(seams.messages.isEmpty());

    // Picking it again changes nothing more.
    Pick("Combo2", QString::fromUtf8(c.unit));
    EXPECT_EQ(ButtonsNotHidden(), QStringList{button});
    EXPECT_EQ(Box("Text5")->text(), c.note ? c.note() : EarlierNote);
    EXPECT_EQ(Box("Text6")->text(), c.quote ? c.quote() : EarlierVerse);
}

using namespace catalog;
using namespace catalog::scripture;

INSTANTIATE_TEST_SUITE_P(
    Routing, EveryRoutedUnit,
    ::testing::Values(
        UnitCase{"Area Measures", "Acre", AcreNote, nullptr},
        UnitCase{Linear, "Finger", nullptr, Jeremiah52_21},
        UnitCase{Linear, "Handbreath", nullptr, Exodus37_12},
        UnitCase{Linear, "Cubit (Egyptian)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Span", nullptr, Exodus28_16},
        UnitCase{Linear, "Cubit (Roman, NT)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Roman Mile", nullptr, nullptr},
        UnitCase{Linear, "Cubit (Hebrew, OT)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Cubit (Ezekiel's)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Cubit (Royal Egyptian)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Cubit (Hebrew Long)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Cubit (Babylon Royal)", CubitUnitNote, nullptr},
        UnitCase{Linear, "Pace", nullptr, SecondSamuel6_13},
        UnitCase{Linear, "Fathom", nullptr, Acts27_28},
        UnitCase{Linear, "Reed", nullptr, Ezekiel40_5},
        UnitCase{Linear, "Furlong (Stadion)", nullptr, Luke24_13},
        UnitCase{Linear, "Sabbath Day's Journey", SabbathNote, Acts1_12},
        UnitCase{Linear, "A Little Way", nullptr, SecondSamuel19_36},
        UnitCase{Linear, "Day's Journey (In Company)", DaysJourneyInCompanyNote, Luke2_44},
        UnitCase{Linear, "Day's Journey (Alone)", DaysJourneyAloneNote, Genesis30_36},
        UnitCase{Linear, "Greek Feet", nullptr, nullptr},
        UnitCase{Linear, "Roman Feet", nullptr, nullptr},
        // The dry and liquid units keep the button their type made visible.
        UnitCase{Dry, "Homer", HomerNote, nullptr},
        UnitCase{Dry, "Lethech", LethechNote, nullptr},
        UnitCase{Dry, "Ephah", EphahNote, nullptr},
        UnitCase{Dry, "Seah", SeahNote, nullptr},
        UnitCase{Dry, "Omer", OmerNote, nullptr},
        UnitCase{Dry, "Cab(Kab)", KabNote, nullptr},
        UnitCase{Liquid, "Bath", BathNote, nullptr},
        UnitCase{Liquid, "Hin", HinNote, nullptr},
        UnitCase{Liquid, "Log", LogNote, nullptr},
        UnitCase{Liquid, "Kab(Cab)", KabNote, nullptr},
        // Items without a row change nothing.
        UnitCase{"Weights Old Testament", "Gerah", nullptr, nullptr},
        UnitCase{"Weights Old Testament", "Bekah", nullptr, nullptr},
        UnitCase{"Weights Old Testament", "Pim", nullptr, nullptr},
        UnitCase{"Weights Old Testament", "Shekel", nullptr, nullptr},
        UnitCase{"Weights Old Testament", "Mina", nullptr, nullptr},
        UnitCase{"Weights Old Testament", "Talent", nullptr, nullptr},
        UnitCase{"Weights New Testament", "Pound (Roman Litra)", nullptr, nullptr},
        UnitCase{"Weights New Testament", "Talent", nullptr, nullptr},
        UnitCase{Liquid, "Homer(Kor)", nullptr, nullptr},
        UnitCase{Dry, "Cor(Kor)", nullptr, nullptr}),
    [](const auto &info) { return CaseName(info.param.unit, "in", info.param.type); });

TEST_F(UnitChoice, FingerAfterAnInformationalTypeTakesOverFromCommand13)
{
    Pick("Combo1", "Roman Capacity Measures");
    Pick("Combo1", "Linear Measures Old & New Testament");
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command13"});
    Pick("Combo2", "Finger");
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command1"});
    EXPECT_EQ(Box("Text6")->text(), scripture::Jeremiah52_21());
    EXPECT_EQ(Box("Text5")->text(), LinearNote());
}

TEST_F(UnitChoice, ACubitAfterTheFingerKeepsTheFingersVerse)
{
    Pick("Combo1", "Linear Measures Old & New Testament");
    Pick("Combo2", "Finger");
    Pick("Combo2", "Cubit (Hebrew, OT)");
    EXPECT_EQ(Box("Text5")->text(), CubitUnitNote());
    EXPECT_EQ(Box("Text6")->text(), scripture::Jeremiah52_21());
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command51"});
}

TEST_F(UnitChoice, HomerKorAfterBathLeavesTheBathNote)
{
    Pick("Combo1", "Liquid Measure Old Testament");
    Pick("Combo2", "Bath");
    Pick("Combo2", "Homer(Kor)");
    EXPECT_EQ(Box("Text5")->text(), BathNote());
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command11"});

    Pick("Combo1", "Dry Measure Old Testament");
    Pick("Combo2", "Ephah");
    Pick("Combo2", "Cor(Kor)");
    EXPECT_EQ(Box("Text5")->text(), EphahNote());
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command12"});
}

TEST_F(UnitChoice, TypingAUnitRoutesNothing)
{
    Pick("Combo1", "Weights Old Testament");
    Pick("Combo1", "Linear Measures Old & New Testament");
    Type("Combo2", "Finger");
    EXPECT_EQ(List("Combo2")->text(), QStringLiteral("Finger"));
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command9"});
    EXPECT_EQ(Box("Text6")->text(), QString());
}

} // namespace
