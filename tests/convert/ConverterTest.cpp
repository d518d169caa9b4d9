#include <cfloat>
#include <cmath>

#include <gtest/gtest.h>

#include "catalog/UnitNames.h"
#include "convert/Converter.h"
#include "convert/Converters.h"
#include "convert/capacity/Capacity.h"
#include "convert/linear/LengthConverters.h"
#include "convert/weight/Weights.h"
#include "format/Numbers.h"
#include "support/ConverterBlocks.h"
#include "support/QtPrinting.h"
#include "support/RoutingFacts.h"

// Every converter's table of pairs, instantiated beside that table.
TEST_P(ConverterTables, ServeEveryPairOnceInTheirOrder)
{
    ExpectPairOrder(GetParam().converter.group(), GetParam().pairs);
}

TEST_P(ConverterTables, ConvertEveryUnitIntoAnotherAndBackToOne)
{
    ExpectReversible(GetParam().converter.group());
}

TEST_P(ConverterPairs, ConvertsByItsFactor)
{
    ExpectPair(GetParam().converter.group(), GetParam().row);
}

namespace {

using namespace convert;

// A small table of lengths, enough to see the shape work.
const UnitTable kTable{
    {unit::Inches, 1}, {unit::Feet, 12}, {unit::Yards, 36}, {unit::Miles, 63360}, {unit::Finger, 0.75},
};
const QStringList kTo{unit::Inches, unit::Feet, unit::Yards, unit::Miles, unit::Finger};

ConverterGroup FingerConverter() { return TableConverter(kTable, unit::Inches, {unit::Finger}, kTo); }

// The run of a converter's blocks: "from -> to" for a pair, "note from" for a note.
QStringList PairNames(const ConverterGroup &group)
{
    QStringList names;
    for (const Block &block : group.blocks) {
        if (const auto *pair = std::get_if<PairConversion>(&block))
            names << pair->fromUnit + QStringLiteral(" -> ") + pair->toUnit;
        else
            names << QStringLiteral("note ") + std::get<NoteBlock>(block).fromUnit;
    }
    return names;
}

// --- The factor -------------------------------------------------------------------------

struct QuotientCase { double from, to, factor; };

class QuotientFactorTest : public ::testing::TestWithParam<QuotientCase> {};

TEST_P(QuotientFactorTest, IsTheQuotientHeldToFifteenDigits)
{
    const QuotientCase c = GetParam();
    EXPECT_EQ(QuotientFactor(c.from, c.to), c.factor);
}

INSTANTIATE_TEST_SUITE_P(Examples, QuotientFactorTest,
                         ::testing::Values(QuotientCase{0.75, 36, 0.0208333333333333},
                                           QuotientCase{0.75, 63360, 1.18371212121212E-05},
                                           QuotientCase{0.75, 12, 0.0625},
                                           QuotientCase{225000, 255000, 0.882352941176471},
                                           QuotientCase{36, 0.3937, 91.4401828803658},
                                           QuotientCase{20.67, 20.67, 1}));

TEST(QuotientFactor, IsNotTheNearestDoubleToTheQuotient)
{
    EXPECT_NE(QuotientFactor(0.75, 36), 0.75 / 36);
    EXPECT_NE(QuotientFactor(0.75, 63360), 0.75 / 63360);
}

TEST(TablePair, IntoTheBaseUnitTakesTheFromValueUnrounded)
{
    // A value of more than 15 digits shows whether it went through text.
    const double longValue = 0.1 + 0.2;
    const UnitTable table{{unit::Inches, 1}, {unit::Feet, 12}, {unit::Finger, longValue}};

    const PairConversion base = TablePair(table, unit::Inches, unit::Finger, unit::Inches);
    EXPECT_EQ(base.factor, longValue);

    const PairConversion quotient = TablePair(table, unit::Inches, unit::Finger, unit::Feet);
    EXPECT_EQ(quotient.factor, QuotientFactor(longValue, 12));
}

TEST(TableConverter, PutsEachNoteBeforeTheSectionOfItsUnit)
{
    const NoteBlock note{unit::Feet, NoteBox::Text5, QStringLiteral("about feet")};
    const ConverterGroup group =
        TableConverter(kTable, unit::Inches, {unit::Finger, unit::Feet}, {unit::Inches, unit::Yards}, {note});
    ASSERT_EQ(group.blocks.size(), 5);
    const auto pair = [&](int i) { return std::get<PairConversion>(group.blocks[i]); };
    EXPECT_EQ(pair(0).fromUnit, unit::Finger);
    EXPECT_EQ(pair(0).toUnit, unit::Inches);
    EXPECT_EQ(pair(1).toUnit, unit::Yards);
    ASSERT_TRUE(std::holds_alternative<NoteBlock>(group.blocks[2]));
    EXPECT_EQ(std::get<NoteBlock>(group.blocks[2]).note, note.note);
    EXPECT_EQ(pair(3).fromUnit, unit::Feet);
    EXPECT_EQ(pair(4).toUnit, unit::Yards);
}

// --- One click ------------------------------------------------------------------------------

struct ClickCase
{
    const char *label;
    QString amount;
    QString from;
    QString to;
    std::optional<QString> sentence; // none: no pair matched
    bool amountMissing;
};

class ClickRowsTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickRowsTest, WritesTheSentenceOfTheMatchingPairOnly)
{
    const ClickCase c = GetParam();
    const ClickOutcome out = Click(FingerConverter(), {c.amount, c.from, c.to});
    EXPECT_EQ(out.sentence, c.sentence);
    if (c.sentence)
        EXPECT_TRUE(c.sentence->contains(*out.text3)) << "text3 holds the shown result";
    else
        EXPECT_FALSE(out.text3.has_value()) << "text3 keeps what it held";
    EXPECT_EQ(out.amountMissing, c.amountMissing);
    EXPECT_FALSE(out.tooLarge);
    EXPECT_FALSE(out.text5 || out.text6);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClickRowsTest,
    ::testing::Values(
        ClickCase{"BaseRule", "2", unit::Finger, unit::Inches, "2  Finger  =  1.50  Inches", false},
        ClickCase{"QuotientRule", "2", unit::Finger, unit::Feet, "2  Finger  =  0.125  Feet", false},
        ClickCase{"EmptyAmountConvertsAsZero", "", unit::Finger, unit::Inches,
                  "  Finger  =  0.00000000  Inches", true},
        ClickCase{"OneBlankIsAnAmount", " ", unit::Finger, unit::Inches,
                  "   Finger  =  0.00000000  Inches", false},
        ClickCase{"CommaStopsTheNumber", "1,5", unit::Finger, unit::Inches,
                  "1,5  Finger  =  0.75  Inches", false},
        ClickCase{"Negative", "-2", unit::Finger, unit::Feet, "-2  Finger  =  -.125  Feet", false},
        ClickCase{"Letters", "abc", unit::Finger, unit::Feet, "abc  Finger  =  0.00000000  Feet", false},
        ClickCase{"AmountAsTyped", "2.50 ft", unit::Finger, unit::Inches,
                  "2.50 ft  Finger  =  1.875  Inches", false},
        ClickCase{"LowerCaseFromUnit", "2", "finger", unit::Inches, std::nullopt, false},
        ClickCase{"TrailingBlankFromUnit", "2", "Finger ", unit::Inches, std::nullopt, false},
        ClickCase{"LeadingBlankToUnit", "2", unit::Finger, " Inches", std::nullopt, false},
        ClickCase{"LowerCaseToUnit", "2", unit::Finger, "inches", std::nullopt, false},
        ClickCase{"FromPlaceholder", "2", unit::ConvertFrom, unit::Inches, std::nullopt, false},
        ClickCase{"ToPlaceholder", "2", unit::Finger, unit::ConvertTo, std::nullopt, false},
        ClickCase{"PlaceholdersAndNoAmount", "", unit::ConvertFrom, unit::ConvertTo, std::nullopt, true},
        ClickCase{"UnitOfNoSection", "2", unit::Feet, unit::Inches, std::nullopt, false},
        ClickCase{"UnitsSwapped", "2", unit::Inches, unit::Finger, std::nullopt, false}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(Click, LastMatchingBlockStays)
{
    // Every block is tested: a later block for the same pair or box wins.
    ConverterGroup group;
    group.blocks = {
        NoteBlock{unit::Finger, NoteBox::Text5, QStringLiteral("first")},
        PairConversion{unit::Finger, unit::Feet, 2},
        NoteBlock{unit::Finger, NoteBox::Text6, QStringLiteral("quote")},
        PairConversion{unit::Finger, unit::Feet, 3},
        NoteBlock{unit::Finger, NoteBox::Text5, QStringLiteral("second")},
        PairConversion{unit::Yards, unit::Feet, 5},
    };
    const ClickOutcome out = Click(group, {"1", unit::Finger, unit::Feet});
    EXPECT_EQ(out.text3, QStringLiteral("3.00000000"));
    EXPECT_EQ(out.sentence, QStringLiteral("1  Finger  =  3.00000000  Feet"));
    EXPECT_EQ(out.text5, QStringLiteral("second"));
    EXPECT_EQ(out.text6, QStringLiteral("quote"));
}

TEST(Click, WritesANoteWhetherOrNotAPairMatches)
{
    const NoteBlock note{unit::Finger, NoteBox::Text6, QStringLiteral("a finger")};
    const ConverterGroup group = TableConverter(kTable, unit::Inches, {unit::Finger}, kTo, {note});
    for (const ConverterInputs &in : {ConverterInputs{"", unit::Finger, unit::ConvertTo},
                                      ConverterInputs{"1", unit::Finger, unit::Feet}}) {
        const ClickOutcome out = Click(group, in);
        EXPECT_EQ(out.text6, note.note) << in.toUnit.toStdString();
        EXPECT_FALSE(out.text5.has_value());
    }
    const ClickOutcome other = Click(group, {"1", "finger", unit::Feet});
    EXPECT_FALSE(other.text6.has_value());
}

// --- Numbers that no double holds ------------------------------------------------------------

struct TooLargeCase { const char *label; QString amount; QString from; QString to; };

class TooLargeTest : public ::testing::TestWithParam<TooLargeCase> {};

TEST_P(TooLargeTest, WritesNeitherResultNorSentence)
{
    const TooLargeCase c = GetParam();
    const ConverterGroup group = TableConverter(kTable, unit::Inches, {unit::Finger, unit::Miles}, kTo);
    const ClickOutcome out = Click(group, {c.amount, c.from, c.to});
    EXPECT_TRUE(out.tooLarge);
    EXPECT_FALSE(out.text3.has_value());
    EXPECT_FALSE(out.sentence.has_value());
    EXPECT_FALSE(out.amountMissing);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, TooLargeTest,
    ::testing::Values(TooLargeCase{"AmountBeyondRange", "1E999", unit::Finger, unit::Feet},
                      TooLargeCase{"NegativeAmountBeyondRange", "-1E999", unit::Finger, unit::Inches},
                      TooLargeCase{"ProductBeyondRange", "1E304", unit::Miles, unit::Inches},
                      TooLargeCase{"NegativeProductBeyondRange", "-1E304", unit::Miles, unit::Finger},
                      // Finger into Finger multiplies by 1; its 15-digit text overflows.
                      TooLargeCase{"LargestDouble", "1.7976931348623157E308", unit::Finger, unit::Finger}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(Click, ShowsAProductJustInsideTheRange)
{
    const ClickOutcome out = Click(FingerConverter(), {"1.79769313486231E308", unit::Finger, unit::Finger});
    EXPECT_FALSE(out.tooLarge);
    ASSERT_TRUE(out.text3.has_value());
    EXPECT_TRUE(std::isfinite(LeadingNumber(*out.text3))) << out.text3->toStdString();
    EXPECT_NE(LeadingNumber(*out.text3), 0.0) << out.text3->toStdString();
}

TEST(Click, ATooLargeAmountOfNoPairBringsNoMessage)
{
    const ClickOutcome out = Click(FingerConverter(), {"1E999", unit::Finger, unit::ConvertTo});
    EXPECT_FALSE(out.tooLarge);
}

// --- The converters behind the buttons --------------------------------------------------

TEST(ConverterFor, Command13ChecksOnlyTheAmount)
{
    for (const char *amount : {"", " ", "abc", "0"}) {
        const ClickOutcome out = Click(ConverterFor(catalog::ConverterButton::Command13), {amount, unit::Finger, unit::Inches});
        EXPECT_EQ(out.amountMissing, QString::fromLatin1(amount).isEmpty()) << amount;
        EXPECT_FALSE(out.sentence || out.text3 || out.text5 || out.text6 || out.tooLarge);
    }
}

// Each button stands for its own converter, built once for the run.
TEST(ConverterFor, GivesEachButtonItsConverterOnce)
{
    using enum catalog::ConverterButton;
    const std::pair<catalog::ConverterButton, ConverterGroup (*)()> builders[] = {
        {Command9, weight::OldTestamentWeightConverter}, {Command10, weight::NewTestamentWeightConverter},
        {Command11, capacity::LiquidAndAreaConverter},   {Command12, capacity::DryMeasureConverter},
    };
    for (const auto &[button, build] : builders)
        EXPECT_EQ(PairNames(ConverterFor(button)), PairNames(build())) << int(button);
    for (catalog::ConverterButton button : LengthButtons())
        EXPECT_EQ(PairNames(ConverterFor(button)), PairNames(linear::LengthConverter(button))) << int(button);
    EXPECT_TRUE(ConverterFor(Command13).blocks.isEmpty());
    EXPECT_EQ(&ConverterFor(Command41), &ConverterFor(Command41));
}

} // namespace
