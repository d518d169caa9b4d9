#include <QFrame>

#include "catalog/Hours.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitLists.h"
#include "support/RoutingFacts.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

using Text = QString (*)();

class TypeChoice : public WindowTest
{
protected:
    bool Showing(const char *name) const { return Control(name)->isVisibleTo(window.get()); }
    QStringList Panes() const
    {
        QStringList shown;
        for (const char *name : {"Frame2", "Frame4", "Frame5", "FrameTime", "Text4", "FrameSplash"})
            if (Showing(name))
                shown << name;
        return shown;
    }
};

const QStringList AllTwelve = {"Command1", "Command31", "Command41", "Command51",
                               "Command6", "Command7",  "Command8",  "Command9",
                               "Command10", "Command11", "Command12", "Command13"};

struct TypeCase
{
    const char *type;
    const char *pane;   // the one panel showing afterwards
    Text text5;         // the note written, or the box stays empty
    Text text4;         // the table written, or the box stays empty
    bool lists;         // the unit lists filled under their placeholders
    bool focusAmount;   // the focus moves to the amount
    QStringList buttons; // the converter buttons not hidden afterwards
    bool notice;
};

void PrintTo(const TypeCase &c, std::ostream *os) { *os << c.type; }

class EveryType : public TypeChoice, public ::testing::WithParamInterface<TypeCase>
{
};

TEST_P(EveryType, SwitchesThePanelAreaFillsTheListsAndNotes)
{
    const TypeCase &c = GetParam();
    const QString type = QString::fromUtf8(c.type);
    Box("Text2")->setText("an earlier sentence");
    Box("Text6")->setText("an earlier verse");

    Pick("Combo1", type);

    EXPECT_EQ(Panes(), QStringList{c.pane});
    EXPECT_TRUE(Showing("Text5"));
    EXPECT_EQ(Box("Text5")->text(), c.text5 ? c.text5() : QString());
    EXPECT_EQ(Box("Text4")->text(), c.text4 ? c.text4() : QString());
    EXPECT_EQ(Box("Text2")->text(), QString());
    EXPECT_EQ(Box("Text6")->text(), QStringLiteral("an earlier verse"));
    EXPECT_EQ(Line("Text1")->text(), QStringLiteral("1"));

    EXPECT_EQ(ItemsOf(List("Combo2")), FromUnitsNamed(type));
    EXPECT_EQ(ItemsOf(List("Combo3")), ToUnitsNamed(type));
    EXPECT_EQ(List("Combo2")->text(), c.lists ? QStringLiteral("Convert From") : QString());
    EXPECT_EQ(List("Combo3")->text(), c.lists ? QStringLiteral("Convert To") : QString());
    EXPECT_EQ(ItemsOf(List("ComboTime")), type == "Time" ? catalog::TimeItems() : QStringList());
    EXPECT_EQ(List("ComboTime")->text(), QStringLiteral("Choose a Time..."));

    EXPECT_EQ(HasFocus("Text1"), c.focusAmount);
    EXPECT_EQ(HasFocus("Combo1"), !c.focusAmount) << "the focus stays where the user picked";
    EXPECT_EQ(ButtonsNotHidden(), c.buttons);
    if (c.buttons.size() == 1 && c.pane == QStringLiteral("Frame2")) {
        ASSERT_NE(ButtonAtConvertSpot(), nullptr);
        EXPECT_EQ(ButtonAtConvertSpot()->objectName(), c.buttons.front());
    }

    if (c.notice) {
        ASSERT_EQ(seams.messages.size(), 1);
        EXPECT_EQ(seams.messages[0].title, QStringLiteral("Change Default Values"));
        EXPECT_EQ(seams.messages[0].text, catalog::DefaultValuesNotice());
        EXPECT_EQ(seams.messages[0].modality, MessageRequest::Modality::Application);
    } else {
        EXPECT_TRUE(seams.messages.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Routing, EveryType,
    ::testing::Values(
        TypeCase{"Linear Measures Old & New Testament", "Frame2", catalog::LinearNote, nullptr, true, true, AllTwelve, false},
        TypeCase{"Weights Old Testament", "Frame2", nullptr, nullptr, true, true, {"Command9"}, false},
        TypeCase{"Weights New Testament", "Frame2", nullptr, nullptr, true, true, {"Command10"}, false},
        TypeCase{"Liquid Measure Old Testament", "Frame2", nullptr, nullptr, true, true, {"Command11"}, false},
        TypeCase{"Dry Measure Old Testament", "Frame2", nullptr, nullptr, true, true, {"Command12"}, false},
        TypeCase{"Dry and Liquid Measures New Testament", "Text4", nullptr, catalog::NewTestamentTable, false, false, {"Command13"}, false},
        TypeCase{"Roman Capacity Measures", "Text4", nullptr, catalog::RomanTable, false, false, {"Command13"}, false},
        TypeCase{"Money Values Old Testament", "Frame4", catalog::MoneyNoteOT, nullptr, false, false, AllTwelve, true},
        TypeCase{"Money Values New Testament", "Frame5", catalog::MoneyNoteNT, nullptr, false, false, AllTwelve, true},
        TypeCase{"Time", "FrameTime", nullptr, nullptr, false, false, AllTwelve, false},
        TypeCase{"Area Measures", "Frame2", nullptr, nullptr, true, true, AllTwelve, false}),
    [](const auto &info) { return CaseName(info.param.type); });

TEST_F(TypeChoice, ShowsTheNoticeLastWithThePanelAlreadyInPlace)
{
    for (const char *type : {"Money Values Old Testament", "Money Values New Testament"}) {
        QStringList panesAtNotice;
        QString noteAtNotice;
        seams.onMessage = [&](const MessageRequest &) {
            panesAtNotice = Panes();
            noteAtNotice = Box("Text5")->text();
        };
        Pick("Combo1", type);
        EXPECT_EQ(panesAtNotice, QStringList{QString(type).contains("Old") ? "Frame4" : "Frame5"}) << type;
        EXPECT_EQ(noteAtNotice, QString(type).contains("Old") ? catalog::MoneyNoteOT() : catalog::MoneyNoteNT());
    }
}

TEST_F(TypeChoice, ShowsTheFixedNoticeOnEveryChoiceOfAMoneyType)
{
    Line("txtGold")->setText("$500.00");
    Line("txtSilver")->setText("$9.00");
    Pick("Combo1", "Money Values Old Testament");
    Pick("Combo1", "Money Values Old Testament");
    Pick("Combo1", "Money Values New Testament");
    ASSERT_EQ(seams.messages.size(), 3);
    for (const MessageRequest &m : seams.messages) {
        EXPECT_TRUE(m.text.contains("$350.00"));
        EXPECT_TRUE(m.text.contains("$4.75"));
        EXPECT_FALSE(m.text.contains("$500.00"));
    }
}

TEST_F(TypeChoice, TimeChosenThreeTimesListsEachItemOnceAndKeepsTheEditText)
{
    for (int i = 0; i < 3; ++i)
        Pick("Combo1", "Time");
    EXPECT_EQ(ItemsOf(List("ComboTime")), catalog::TimeItems());
    EXPECT_EQ(List("ComboTime")->count(), 19);
    EXPECT_EQ(List("ComboTime")->text(), QStringLiteral("Choose a Time..."));

    Pick("ComboTime", "Night");
    Pick("Combo1", "Time");
    EXPECT_EQ(ItemsOf(List("ComboTime")), catalog::TimeItems());
    EXPECT_EQ(List("ComboTime")->text(), QStringLiteral("Night"));
}

TEST_F(TypeChoice, InformationalThenAreaLeavesCommand13AnsweringUntilAcreIsPicked)
{
    Pick("Combo1", "Dry and Liquid Measures New Testament");
    Pick("Combo1", "Area Measures");
    EXPECT_FALSE(Showing("Text4"));
    EXPECT_TRUE(Showing("Frame2"));
    EXPECT_EQ(List("Combo2")->text(), QStringLiteral("Convert From"));
    EXPECT_EQ(ItemsOf(List("Combo2")), QStringList{"Acre"});
    EXPECT_EQ(List("Combo3")->text(), QStringLiteral("Convert To"));
    EXPECT_EQ(ItemsOf(List("Combo3")), (QStringList{"Square Rods", "Square Feet"}));
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command13"});
    EXPECT_EQ(ButtonAtConvertSpot(), Button("Command13"));

    Pick("Combo2", "Acre");
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command11"});
    EXPECT_EQ(ButtonAtConvertSpot(), Button("Command11"));
}

TEST_F(TypeChoice, LinearThenWeightsKeepsTheLinearNote)
{
    Pick("Combo1", "Linear Measures Old & New Testament");
    Pick("Combo1", "Weights Old Testament");
    EXPECT_EQ(Box("Text5")->text(), catalog::LinearNote());
    EXPECT_EQ(ItemsOf(List("Combo2")), (QStringList{"Gerah", "Bekah", "Pim", "Shekel", "Mina", "Talent"}));
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command9"});
}

TEST_F(TypeChoice, LinearKeepsTheButtonThatWasVisible)
{
    Pick("Combo1", "Weights Old Testament");
    Pick("Combo1", "Linear Measures Old & New Testament");
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command9"});
    Pick("Combo2", "Finger");
    EXPECT_EQ(ButtonsNotHidden(), QStringList{"Command1"});
}

TEST_F(TypeChoice, TheSameTypeAgainRebuildsTheListsAndEmptiesTheSentence)
{
    Pick("Combo1", "Dry Measure Old Testament");
    Pick("Combo2", "Omer");
    Pick("Combo3", "Liters");
    Box("Text2")->setText("1  Omer  =  2.20  Liters");
    Pick("Combo1", "Dry Measure Old Testament");
    EXPECT_EQ(Box("Text2")->text(), QString());
    EXPECT_EQ(List("Combo2")->text(), QStringLiteral("Convert From"));
    EXPECT_EQ(List("Combo3")->text(), QStringLiteral("Convert To"));
    EXPECT_EQ(ItemsOf(List("Combo2")), FromUnitsNamed("Dry Measure Old Testament"));
    EXPECT_EQ(ItemsOf(List("Combo3")), ToUnitsNamed("Dry Measure Old Testament"));
}

TEST_F(TypeChoice, AfterAListTypeTheOtherTypesLeaveTheUnitBoxesBlank)
{
    for (const char *type : {"Money Values Old Testament", "Time", "Roman Capacity Measures"}) {
        Pick("Combo1", "Liquid Measure Old Testament");
        Pick("Combo2", "Hin");
        Pick("Combo1", type);
        EXPECT_TRUE(ItemsOf(List("Combo2")).isEmpty()) << type;
        EXPECT_TRUE(ItemsOf(List("Combo3")).isEmpty()) << type;
        EXPECT_EQ(List("Combo2")->text(), QString()) << type;
        EXPECT_EQ(List("Combo3")->text(), QString()) << type;
    }
}

TEST_F(TypeChoice, TheFirstChoiceHidesTheSplashForGood)
{
    Pick("Combo1", "Money Values New Testament");
    EXPECT_FALSE(Showing("FrameSplash"));
    EXPECT_TRUE(Showing("Frame5"));
    EXPECT_EQ(Box("Text5")->text(), catalog::MoneyNoteNT());
    for (const QString &type : ItemsOf(List("Combo1"))) {
        Pick("Combo1", type);
        EXPECT_FALSE(Showing("FrameSplash")) << type.toStdString();
    }
}

TEST_F(TypeChoice, WritingOrTypingTheTypeRunsNothing)
{
    List("Combo1")->setText("Time");
    Type("Combo1", "Money Values Old Testament");
    // Leaving the edit field finishes the editing; that picks nothing either.
    QTest::keyClick(List("Combo1")->lineEdit(), Qt::Key_Tab);
    Line("Text1")->setFocus();
    List("Combo1")->lineEdit()->setFocus();
    List("Combo1")->lineEdit()->clearFocus();
    EXPECT_TRUE(Showing("FrameSplash"));
    EXPECT_FALSE(Showing("FrameTime"));
    EXPECT_FALSE(Showing("Frame4"));
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_EQ(ButtonsNotHidden(), AllTwelve);
}

// A type, its units, an amount and the visible button: the sentence the user reads.
TEST_F(TypeChoice, ConvertsTwoFingersIntoInchesEndToEnd)
{
    Pick("Combo1", "Linear Measures Old & New Testament");
    Pick("Combo2", "Finger");
    Pick("Combo3", "Inches");
    Type("Text1", "2");
    ClickConvert();
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("2  Finger  =  1.50  Inches"));
    EXPECT_TRUE(seams.messages.isEmpty());
}

} // namespace
