#include "catalog/ConverterNotes.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Messages.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"
#include "convert/Converters.h"
#include "support/RoutingFacts.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

using catalog::CubitNote;

// The design name of the button that serves a linear from-unit.
const char *ButtonOf(const QString &from)
{
    if (const auto button = LengthButtonOf(from))
        return ButtonName(*button);
    ADD_FAILURE() << "no button for " << from.toStdString();
    return "Command13";
}

QStringList LinearFrom() { return catalog::FromUnitList(catalog::MeasurementType::Linear); }
QStringList LinearTo() { return catalog::ToUnitList(catalog::MeasurementType::Linear); }

// The length buttons clicked where the user sees them, with the panel shown and only the
// chosen button at the spot, as choosing a from-unit leaves it.
class LengthWindow : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Control("FrameSplash")->hide();
        Control("Frame2")->show();
        Box("Text5")->setText(QStringLiteral("the unit's note"));
        Box("Text6")->setText(QStringLiteral("the unit's quotation"));
        Line("text3")->setText(QStringLiteral("an earlier result"));
    }
    // Convert, but without key clicks, for long runs.
    void QuickConvert(const QString &amount, const QString &from, const QString &to)
    {
        Line("Text1")->setText(amount);
        List("Combo2")->setText(from);
        List("Combo3")->setText(to);
        ClickConvert();
    }
    QString Sentence(const QString &amount, const QString &from, const QString &result, const QString &to) const
    {
        return amount + "  " + from + "  =  " + result + "  " + to;
    }
};

// As the user does it: the linear type, a from-unit and a to-unit picked from the lists,
// then the button the choice made visible.
using LengthChoices = WindowTest;

TEST_F(LengthChoices, ConvertEveryPairThroughTheButtonTheChoiceShows)
{
    Pick("Combo1", measure::Linear);
    Line("Text1")->setText(QStringLiteral("7"));
    for (const QString &from : LinearFrom()) {
        Pick("Combo2", from);
        ASSERT_NE(ButtonAtConvertSpot(), nullptr) << from.toStdString();
        EXPECT_EQ(ButtonAtConvertSpot(), Button(ButtonOf(from))) << from.toStdString();
        const catalog::ConverterButton own = LengthButtonOf(from).value_or(catalog::ConverterButton::Command13);
        for (const QString &to : LinearTo()) {
            const std::string pairName = from.toStdString() + " into " + to.toStdString();
            Pick("Combo3", to);
            ClickConvert();
            // What the window shows is what the unit's own converter answers.
            const convert::ClickOutcome expected = convert::Click(convert::ConverterFor(own), {"7", from, to});
            ASSERT_TRUE(expected.sentence.has_value()) << pairName;
            EXPECT_TRUE(Box("Text2")->text().startsWith(QStringLiteral("7  ") + from + QStringLiteral("  =  ")))
                << pairName;
            EXPECT_TRUE(Box("Text2")->text().endsWith(QStringLiteral("  ") + to)) << pairName;
            EXPECT_EQ(Box("Text2")->text(), *expected.sentence) << pairName;
            EXPECT_EQ(Line("text3")->text(), *expected.text3) << pairName;
        }
    }
    EXPECT_TRUE(seams.messages.isEmpty());
}

// Choosing the Egyptian cubit put the cubits' note into Text5; the click adds its own note
// in Text6, so both show together.
TEST_F(LengthWindow, ShowsTheEgyptianCubitsTwoNotesTogether)
{
    Pick("Combo1", measure::Linear);
    Pick("Combo2", unit::CubitEgyptian);
    const QString unitNote = Box("Text5")->text();
    ASSERT_FALSE(unitNote.isEmpty());
    ASSERT_NE(unitNote, CubitNote());
    Pick("Combo3", unit::Feet);
    ClickConvert();
    EXPECT_EQ(Box("Text5")->text(), unitNote);
    EXPECT_EQ(Box("Text6")->text(), CubitNote());
}

// The other six buttons know none of a group's units.
TEST_F(LengthWindow, AnotherLengthButtonConvertsNothing)
{
    using namespace unit;
    for (const QString &from : {Finger, CubitEgyptian, Span, RomanMile, Pace, CubitEzekiels, Reed,
                                ALittleWay, DaysJourneyAlone, RomanFeet}) {
        for (const catalog::ConverterButton length : LengthButtons()) {
            const char *button = ButtonName(length);
            if (QString::fromLatin1(button) == QString::fromLatin1(ButtonOf(from)))
                continue;
            Arm(button);
            Box("Text2")->setText(QStringLiteral("an earlier sentence"));
            QuickConvert(QStringLiteral("1"), from, Feet);
            EXPECT_TRUE(Box("Text2")->text().isEmpty()) << button << ' ' << from.toStdString();
            EXPECT_EQ(Line("text3")->text(), QStringLiteral("an earlier result"));
        }
    }
    EXPECT_TRUE(seams.messages.isEmpty());
}

struct WindowRow
{
    QString amount, from, to, result;
};

void PrintTo(const WindowRow &row, std::ostream *os)
{
    *os << row.amount.toStdString() << ' ' << row.from.toStdString() << " -> " << row.to.toStdString();
}

class LengthWindowRow : public LengthWindow, public ::testing::WithParamInterface<WindowRow> {};

TEST_P(LengthWindowRow, WritesTheSentenceAndReturnsToTheAmount)
{
    const WindowRow &row = GetParam();
    Arm(ButtonOf(row.from));
    Box("Text2")->setText(QStringLiteral("an earlier sentence"));
    List("Combo3")->setFocus();
    Convert(row.amount, row.from, row.to);
    EXPECT_EQ(Box("Text2")->text(), Sentence(row.amount, row.from, row.result, row.to));
    EXPECT_EQ(Line("text3")->text(), row.result);
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, LengthWindowRow,
    ::testing::Values(WindowRow{"2", unit::Finger, unit::Inches, "1.50"},
                      WindowRow{"100", unit::Finger, unit::Centimeters, "190.5004"},
                      WindowRow{"1", unit::CubitEgyptian, unit::Meters, "0.4501"},
                      WindowRow{"1", unit::RomanMile, unit::CubitBabylonRoyal, "2883.2292"},
                      WindowRow{"1", unit::RomanMile, unit::ALittleWay, "0.2667"},
                      WindowRow{"2", unit::CubitBabylonRoyal, unit::Feet, "3.4683"},
                      WindowRow{"2", unit::CubitRoyalEgyptian, unit::Meters, "1.05"},
                      WindowRow{"3", unit::FurlongStadion, unit::Reed, "202.00000000"},
                      WindowRow{"1", unit::ALittleWay, unit::ALittleWay, "1.00000000"},
                      WindowRow{"1", unit::DaysJourneyAlone, unit::DaysJourneyAlone, "1.00000000"},
                      WindowRow{"-1", unit::RomanFeet, unit::Feet, "-.9717"}),
    [](const auto &info) { return CaseName(Typed(info.param.amount), info.param.from, "to", info.param.to); });

// --- The failure rows -----------------------------------------------------------------------

TEST_F(LengthWindow, AnEmptyAmountConvertsAsZeroAndThenAsksForANumber)
{
    Arm("Command1");
    QString sentenceWhileAsking;
    bool focusWhileAsking = true;
    seams.onMessage = [&](const MessageRequest &) {
        sentenceWhileAsking = Box("Text2")->text();
        focusWhileAsking = AmountHasFocus();
    };
    List("Combo3")->setFocus();
    Convert(QString(), unit::Finger, unit::Inches);

    const QString sentence = Sentence(QString(), unit::Finger, "0.00000000", unit::Inches);
    EXPECT_TRUE(sentence.startsWith(QStringLiteral("  Finger")));
    EXPECT_EQ(sentenceWhileAsking, sentence) << "the sentence stands before the message";
    EXPECT_FALSE(focusWhileAsking) << "the focus moves after the message";
    ASSERT_EQ(seams.messages.size(), 1);
    EXPECT_EQ(seams.messages[0].title, catalog::OopsTitle);
    EXPECT_EQ(seams.messages[0].text, catalog::EnterANumberMessage);
    EXPECT_EQ(seams.messages[0].modality, MessageRequest::Modality::System);
    EXPECT_EQ(Box("Text2")->text(), sentence);
    EXPECT_EQ(Line("text3")->text(), QStringLiteral("0.00000000"));
    EXPECT_TRUE(AmountHasFocus());
}

struct FailureRow
{
    const char *label;
    const char *button;
    QString amount, from, to;
    std::optional<QString> result; // none: nothing converts
    bool unreadable = false;       // the amount says two numbers or is a number mistyped
};

void PrintTo(const FailureRow &row, std::ostream *os)
{
    *os << row.label << ": " << row.button << " \"" << row.amount.toStdString() << "\" " << row.from.toStdString()
        << " -> " << row.to.toStdString();
}

class LengthFailure : public LengthWindow, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(LengthFailure, ConvertsWhatItCanAndAsksOnlyForAnEmptyOrUnreadableAmount)
{
    const FailureRow &row = GetParam();
    Arm(row.button);
    Box("Text2")->setText(QStringLiteral("an earlier sentence"));
    List("Combo3")->setFocus();
    Convert(row.amount, row.from, row.to);
    if (row.result) {
        EXPECT_EQ(Box("Text2")->text(), Sentence(row.amount, row.from, *row.result, row.to));
        EXPECT_EQ(Line("text3")->text(), *row.result);
    } else {
        EXPECT_TRUE(Box("Text2")->text().isEmpty());
        EXPECT_EQ(Line("text3")->text(), QStringLiteral("an earlier result"));
    }
    const bool asks = row.amount.isEmpty() || row.unreadable;
    EXPECT_EQ(MessageTexts(), asks ? QStringList{catalog::EnterANumberMessage} : QStringList{});
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LengthFailure,
    ::testing::Values(
        FailureRow{"OneBlank", "Command1", " ", unit::Finger, unit::Inches, "0.00000000"},
        FailureRow{"DecimalCommaUnderHomeSettings", "Command1", "1,5", unit::Finger, unit::Inches, std::nullopt, true},
        FailureRow{"Negative", "Command1", "-2", unit::Finger, unit::Feet, "-.125"},
        FailureRow{"Letters", "Command6", "abc", unit::Fathom, unit::Inches, "0.00000000"},
        FailureRow{"EmptyIntoFeet", "Command51", "", unit::CubitEzekiels, unit::Feet, "0.00000000"},
        FailureRow{"LowerCaseFrom", "Command1", "2", "finger", unit::Inches, std::nullopt},
        FailureRow{"TrailingBlankFrom", "Command8", "2", "Greek Feet ", unit::Inches, std::nullopt},
        FailureRow{"LowerCaseTo", "Command31", "2", unit::Span, "inches", std::nullopt},
        FailureRow{"FromPlaceholder", "Command7", "2", unit::ConvertFrom, unit::Feet, std::nullopt},
        FailureRow{"ToPlaceholder", "Command31", "2", unit::Span, unit::ConvertTo, std::nullopt},
        FailureRow{"ToPlaceholderNoAmount", "Command41", "", unit::Pace, unit::ConvertTo, std::nullopt},
        FailureRow{"PlaceholdersNoAmount", "Command8", "", unit::ConvertFrom, unit::ConvertTo, std::nullopt},
        FailureRow{"OtherGroupsUnit", "Command1", "2", unit::Span, unit::Feet, std::nullopt},
        FailureRow{"OtherGroupsUnitNoAmount", "Command6", "", unit::Pace, unit::Feet, std::nullopt}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(LengthWindow, ASecondClickLeavesWhatTheFirstWrote)
{
    Arm("Command31");
    Convert(QStringLiteral("3"), unit::CubitRomanNT, unit::Span);
    const QString sentence = Box("Text2")->text();
    const QString result = Line("text3")->text();
    ClickConvert();
    EXPECT_EQ(Box("Text2")->text(), sentence);
    EXPECT_EQ(Line("text3")->text(), result);
    EXPECT_EQ(Box("Text5")->text(), CubitNote());
}

// --- Notes ----------------------------------------------------------------------------------

struct NoteRow
{
    QString from;
    const char *box; // the box that receives the cubit note; none for the others
};

void PrintTo(const NoteRow &row, std::ostream *os) { *os << row.from.toStdString(); }

class LengthNote : public LengthWindow, public ::testing::WithParamInterface<NoteRow> {};

TEST_P(LengthNote, WritesTheCubitNoteIntoItsBoxOnly)
{
    const NoteRow &row = GetParam();
    Arm(ButtonOf(row.from));
    // With a pair, with no pair, and with no amount: the note follows the from-unit alone.
    for (const auto &[amount, to] : {std::pair{QStringLiteral("1"), unit::Feet},
                                     std::pair{QStringLiteral("1"), unit::ConvertTo},
                                     std::pair{QString(), unit::ConvertTo}}) {
        Box("Text5")->setText(QStringLiteral("the unit's note"));
        Box("Text6")->setText(QStringLiteral("the unit's quotation"));
        Convert(amount, row.from, to);
        const bool inText5 = row.box && QByteArray(row.box) == "Text5";
        const bool inText6 = row.box && QByteArray(row.box) == "Text6";
        EXPECT_EQ(Box("Text5")->text(), inText5 ? CubitNote() : QStringLiteral("the unit's note"))
            << to.toStdString();
        EXPECT_EQ(Box("Text6")->text(), inText6 ? CubitNote() : QStringLiteral("the unit's quotation"))
            << to.toStdString();
        EXPECT_EQ(Box("Text2")->text().isEmpty(), to == unit::ConvertTo);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FromUnits, LengthNote,
    ::testing::Values(NoteRow{unit::CubitEgyptian, "Text6"}, NoteRow{unit::CubitRomanNT, "Text5"},
                      NoteRow{unit::CubitHebrewLong, "Text5"}, NoteRow{unit::CubitBabylonRoyal, "Text5"},
                      NoteRow{unit::CubitHebrewOT, "Text5"}, NoteRow{unit::CubitEzekiels, "Text5"},
                      NoteRow{unit::CubitRoyalEgyptian, "Text5"}, NoteRow{unit::Finger, nullptr},
                      NoteRow{unit::Handbreath, nullptr}, NoteRow{unit::Span, nullptr},
                      NoteRow{unit::RomanMile, nullptr}, NoteRow{unit::Pace, nullptr},
                      NoteRow{unit::Fathom, nullptr}, NoteRow{unit::SabbathDaysJourney, nullptr},
                      NoteRow{unit::DaysJourneyAlone, nullptr}),
    [](const auto &info) { return CaseName(info.param.from); });

TEST_F(LengthWindow, ACubitTypedInOtherLettersWritesNoNote)
{
    Arm("Command51");
    Convert(QStringLiteral("1"), QStringLiteral("cubit (hebrew, ot)"), unit::Feet);
    EXPECT_EQ(Box("Text5")->text(), QStringLiteral("the unit's note"));
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
}

// --- Numbers too large ----------------------------------------------------------------------

// One path shows the too-large message for every button (the core's table has a row for
// each): a result that fits is shown in full, one that does not is said, with no sentence and
// the earlier result left standing, and the focus goes back to the amount after the message.
TEST_F(LengthChoices, SaysAResultIsTooLargeAndShowsOneThatFits)
{
    Pick("Combo1", measure::Linear);
    Pick("Combo2", unit::Pace);
    Pick("Combo3", unit::Centimeters);
    Type("Text1", QStringLiteral("1E306"));
    ClickConvert();
    const QString fits = QStringLiteral("9.14401828803658E+307");
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_EQ(Line("text3")->text(), fits);
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("1E306  Pace  =  ") + fits + QStringLiteral("  Centimeters"));

    QString sentenceWhileSaying = QStringLiteral("not said");
    bool focusWhileSaying = true;
    seams.onMessage = [&](const MessageRequest &) {
        sentenceWhileSaying = Box("Text2")->text();
        focusWhileSaying = AmountHasFocus();
    };
    Type("Text1", QStringLiteral("1E307"));
    List("Combo3")->setFocus();
    ClickConvert();
    ASSERT_EQ(seams.messages.size(), 1);
    EXPECT_EQ(seams.messages[0].title, QStringLiteral("Ooops!"));
    EXPECT_EQ(seams.messages[0].text, QStringLiteral("The result is too large to show."));
    EXPECT_EQ(seams.messages[0].modality, MessageRequest::Modality::System);
    EXPECT_TRUE(sentenceWhileSaying.isEmpty()) << "the sentence is emptied before the message";
    EXPECT_FALSE(focusWhileSaying) << "the focus moves after the message";
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_EQ(Line("text3")->text(), fits);
    EXPECT_TRUE(AmountHasFocus());
}

} // namespace
