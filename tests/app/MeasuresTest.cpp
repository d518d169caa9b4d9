#include "catalog/MeasurementTypes.h"
#include "catalog/UnitNames.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

// The weight, liquid, area and dry buttons and Command13, clicked where the user sees them.
using Measures = WindowTest;

struct ButtonRow
{
    const char *button;
    QString amount;
    QString from;
    QString to;
    QString result;
};

void PrintTo(const ButtonRow &row, std::ostream *os)
{
    *os << row.button << ' ' << row.amount.toStdString() << ' ' << row.from.toStdString()
        << " -> " << row.to.toStdString();
}

class MeasuresButton : public Measures, public ::testing::WithParamInterface<ButtonRow> {};

TEST_P(MeasuresButton, WritesTheSentenceAndReturnsToTheAmount)
{
    const ButtonRow &row = GetParam();
    Arm(row.button);
    Box("Text2")->setText(QStringLiteral("an earlier sentence"));
    Convert(row.amount, row.from, row.to);
    EXPECT_EQ(Box("Text2")->text(),
              row.amount + "  " + row.from + "  =  " + row.result + "  " + row.to);
    EXPECT_EQ(Line("text3")->text(), row.result);
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, MeasuresButton,
    ::testing::Values(
        ButtonRow{"Command9", "1", unit::Talent, unit::Grams, "34266.289"},
        ButtonRow{"Command9", "1", unit::Talent, unit::Ounces, "1209.60"},
        ButtonRow{"Command9", "1", unit::Shekel, unit::Gerah, "20.15"},
        ButtonRow{"Command10", "1", unit::Talent, unit::Grams, "40793.2011"},
        ButtonRow{"Command10", "1", unit::Talent, unit::PoundRomanLitra, "120.00000000"},
        ButtonRow{"Command11", "1", unit::HomerKor, unit::Bath, "10.0034"},
        ButtonRow{"Command11", "2.5", unit::Hin, unit::Quarts, "9.70"},
        ButtonRow{"Command11", "2", unit::Acre, unit::SquareFeet, "87120.00000000"},
        ButtonRow{"Command12", "1", unit::Ephah, unit::CabKab, "18.00000000"},
        ButtonRow{"Command12", "1", unit::Seah, unit::Seah, "1.00000000"},
        ButtonRow{"Command12", "1", unit::Seah, unit::DryPints, "13.32"},
        ButtonRow{"Command12", "1", unit::Seah, unit::Omer, "3.33"}),
    [](const auto &info) {
        return CaseName(info.param.button, Typed(info.param.amount), info.param.from, "to", info.param.to);
    });

const QString GerahNoteStart = QStringLiteral("Qarvel's Bible Dictionary  - A bean");
const QString BekahNote = QStringLiteral(
    "Exodus 38:26  A bekah for every man, that is, half a shekel, after the shekel of the sanctuary, "
    "for every one that went to be numbered, from twenty years old and");

TEST_F(Measures, TheGerahNoteIsWrittenWhileNoPairMatches)
{
    Arm("Command9");
    Box("Text5")->setText(QStringLiteral("a type note"));
    Convert(QStringLiteral("1"), unit::Gerah, unit::ConvertTo);
    EXPECT_TRUE(Box("Text5")->text().startsWith(GerahNoteStart));
    EXPECT_EQ(Box("Text5")->text().size(), 424);
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_TRUE(AmountHasFocus());
}

TEST_F(Measures, ShekelMinaAndTalentLeaveTheNoteThatStands)
{
    Arm("Command9");
    Convert(QStringLiteral("1"), unit::Pim, unit::Bekah);
    EXPECT_EQ(Box("Text5")->text(), BekahNote);
    for (const QString &from : {unit::Shekel, unit::Mina, unit::Talent}) {
        Convert(QStringLiteral("1"), from, unit::Ounces);
        EXPECT_EQ(Box("Text5")->text(), BekahNote) << from.toStdString();
        EXPECT_FALSE(Box("Text2")->text().isEmpty());
    }
    EXPECT_TRUE(Box("Text6")->text().isEmpty());
}

TEST_F(Measures, TheNewTestamentConverterLeavesNoEarlierAnswerStanding)
{
    Arm("Command10");
    Convert(QStringLiteral("1"), unit::Talent, unit::Talent);
    ASSERT_EQ(Box("Text2")->text(), QStringLiteral("1  Talent  =  1.00000000  Talent"));
    Convert(QStringLiteral("1"), unit::Talent, QStringLiteral("talent"));
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_EQ(Line("text3")->text(), QStringLiteral("1.00000000")); // the work field keeps it
}

struct FailureRow
{
    const char *button;
    QString from;
    QString to;
};

void PrintTo(const FailureRow &row, std::ostream *os)
{
    *os << row.button << ' ' << row.from.toStdString() << " -> " << row.to.toStdString();
}

class MeasuresFailure : public Measures, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(MeasuresFailure, ConvertsNothingAndSaysNothing)
{
    const FailureRow &row = GetParam();
    Arm(row.button);
    Line("text3")->setText(QStringLiteral("kept"));
    Box("Text2")->setText(QStringLiteral("an earlier sentence"));
    Convert(QStringLiteral("1"), row.from, row.to);
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_EQ(Line("text3")->text(), QStringLiteral("kept"));
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, MeasuresFailure,
    ::testing::Values(FailureRow{"Command9", unit::ConvertFrom, unit::ConvertTo},
                      FailureRow{"Command9", unit::PoundRomanLitra, unit::Ounces},
                      FailureRow{"Command10", unit::Shekel, unit::Ounces},
                      FailureRow{"Command11", unit::Acre, unit::Pints},
                      FailureRow{"Command11", unit::CabKab, unit::Liters},
                      FailureRow{"Command12", unit::KabCab, unit::DryPints},
                      FailureRow{"Command12", QStringLiteral("seah"), unit::Omer}),
    [](const auto &info) { return CaseName(info.param.button, info.param.from, "to", info.param.to); });

TEST_F(Measures, AnEmptyAmountConvertsAsZeroThenAsksForANumber)
{
    Arm("Command11");
    QString sentenceAtMessage;
    bool focusAtMessage = true;
    seams.onMessage = [&](const MessageRequest &) {
        sentenceAtMessage = Box("Text2")->text();
        focusAtMessage = AmountHasFocus();
    };
    Type("Combo2", unit::Log);
    Type("Combo3", unit::Pints);
    Line("Text1")->clear();
    List("Combo2")->setFocus(); // away from the amount, to see the focus come back
    ClickConvert();
    ASSERT_EQ(seams.messages.size(), 1);
    EXPECT_EQ(seams.messages[0].title, QStringLiteral("Ooops!"));
    EXPECT_EQ(seams.messages[0].text, QStringLiteral("You must enter a number ."));
    EXPECT_EQ(seams.messages[0].modality, MessageRequest::Modality::System);
    EXPECT_EQ(sentenceAtMessage, QStringLiteral("  Log  =  0.00000000  Pints"));
    EXPECT_FALSE(focusAtMessage);
    EXPECT_TRUE(AmountHasFocus());
}

struct CheckRow
{
    QString amount;
    int messages;
};

void PrintTo(const CheckRow &row, std::ostream *os) { *os << '"' << row.amount.toStdString() << '"'; }

class InputCheckButton : public Measures, public ::testing::WithParamInterface<CheckRow> {};

TEST_P(InputCheckButton, EmptiesTheSentenceAndAsksOnlyForAnEmptyAmount)
{
    Arm("Command13");
    Box("Text5")->setText(QStringLiteral("a note"));
    Line("text3")->setText(QStringLiteral("kept"));
    Type("Combo2", unit::Finger); // typed, not picked: nothing routes
    Type("Combo3", unit::Inches);
    Type("Text1", GetParam().amount);
    QTest::keyClicks(Box("Text2"), QStringLiteral("typed by the user"));
    ASSERT_FALSE(Box("Text2")->text().isEmpty());
    ClickConvert();
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_EQ(seams.messages.size(), GetParam().messages);
    for (const MessageRequest &m : seams.messages) {
        EXPECT_EQ(m.title, QStringLiteral("Ooops!"));
        EXPECT_EQ(m.text, QStringLiteral("You must enter a number ."));
    }
    EXPECT_EQ(Box("Text5")->text(), QStringLiteral("a note"));
    EXPECT_EQ(Line("text3")->text(), QStringLiteral("kept"));
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(Command13, InputCheckButton,
                         ::testing::Values(CheckRow{"", 1}, CheckRow{" ", 0}, CheckRow{"1", 0}),
                         [](const auto &info) { return CaseName(Typed(info.param.amount)); });

// Through the real choices: the type (and the acre) pick the button, a unit missing from a
// list is typed, and the click answers with the converter of that button.
struct ChoiceRow
{
    QStringList types;
    QString from; // empty: the placeholder stays
    QString to;
    QString amount;
    const char *answering;
    QString sentence;
};

void PrintTo(const ChoiceRow &row, std::ostream *os)
{
    *os << row.types.join(QStringLiteral(", ")).toStdString() << ": " << row.from.toStdString()
        << " -> " << row.to.toStdString();
}

// The types picked in turn, then the pair where one is picked.
std::string ChoiceName(const ::testing::TestParamInfo<ChoiceRow> &info)
{
    const ChoiceRow &row = info.param;
    std::string name = CaseName(row.types.join(QStringLiteral(" then ")));
    return row.from.isEmpty() ? name : CaseName(name, row.from, "to", row.to);
}

class MeasuresChoice : public Measures, public ::testing::WithParamInterface<ChoiceRow>
{
protected:
    void PickOrType(const char *listName, const QString &text)
    {
        if (text.isEmpty())
            return;
        if (ItemsOf(List(listName)).contains(text))
            Pick(listName, text);
        else
            Type(listName, text);
    }
};

TEST_P(MeasuresChoice, ReachesTheRightConverter)
{
    const ChoiceRow &row = GetParam();
    for (const QString &type : row.types)
        Pick("Combo1", type);
    PickOrType("Combo2", row.from);
    PickOrType("Combo3", row.to);
    Type("Text1", row.amount);
    EXPECT_EQ(ButtonAtConvertSpot(), Button(row.answering));
    ClickConvert();
    EXPECT_EQ(Box("Text2")->text(), row.sentence);
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Types, MeasuresChoice,
    ::testing::Values(
        ChoiceRow{{measure::WeightsOT}, unit::Talent, unit::Grams, "1", "Command9",
                  "1  Talent  =  34266.289  Grams"},
        ChoiceRow{{measure::WeightsNT}, unit::Talent, unit::Grams, "1", "Command10",
                  "1  Talent  =  40793.2011  Grams"},
        ChoiceRow{{measure::LiquidOT}, unit::Hin, unit::Quarts, "2.5", "Command11",
                  "2.5  Hin  =  9.70  Quarts"},
        ChoiceRow{{measure::Area}, unit::Acre, unit::SquareFeet, "2", "Command11",
                  "2  Acre  =  87120.00000000  Square Feet"},
        ChoiceRow{{measure::DryOT}, unit::Seah, unit::Seah, "1", "Command12",
                  "1  Seah  =  1.00000000  Seah"},
        ChoiceRow{{measure::RomanCapacity, measure::Linear}, {}, {}, "1", "Command13", {}},
        ChoiceRow{{measure::DryAndLiquidNT, measure::Area}, {}, {}, "1", "Command13", {}}),
    ChoiceName);

} // namespace
