#include <cfloat>
#include <iomanip>

#include <gtest/gtest.h>

#include "catalog/UnitNames.h"
#include "convert/Converter.h"
#include "convert/Converters.h"
#include "convert/capacity/Capacity.h"
#include "convert/linear/LengthConverters.h"
#include "convert/weight/Weights.h"
#include "support/ConverterBlocks.h"
#include "support/QtPrinting.h"
#include "support/RoutingFacts.h"
#include "support/TestNames.h"

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

void PrintTo(const QuotientCase &c, std::ostream *os) { *os << std::setprecision(15) << c.from << " / " << c.to; }

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
                                           QuotientCase{20.67, 20.67, 1}),
                         [](const auto &info) { return CaseName(info.param.from, "over", info.param.to); });

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
    std::optional<QString> sentence; // none: no pair matched, or the amount cannot be read
    bool amountMissing;
    bool amountUnreadable = false;
};

void PrintTo(const ClickCase &c, std::ostream *os)
{
    *os << c.label << ": \"" << c.amount.toStdString() << "\" " << c.from.toStdString() << " -> "
        << c.to.toStdString();
}

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
    EXPECT_EQ(out.amountUnreadable, c.amountUnreadable);
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
        // A paste can bring marks that nothing shows: a box of them looks empty, and is.
        ClickCase{"InvisibleMarksAloneAreAnEmptyAmount", QStringLiteral("\u200e\u200b"), unit::Finger, unit::Inches,
                  QStringLiteral("\u200e\u200b  Finger  =  0.00000000  Inches"), true},
        ClickCase{"DecimalCommaIsNoAmountUnderHomeSettings", "1,5", unit::Finger, unit::Inches, std::nullopt,
                  false, true},
        ClickCase{"GroupedAmountReadsWhole", "2,000", unit::Finger, unit::Inches,
                  "2,000  Finger  =  1500.00000000  Inches", false},
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

// One click's texts: the amount as typed, the from-unit and the to-unit.
struct SizeClick { QString amount, from, to; };

// A click whose product just fits, and the result it shows.
struct FittingClick { SizeClick click; QString shown; };

// Every button's clicks at the edge of the doubles: a pair whose amount or product no double
// holds (15 digits of the product must read back as a finite number), a product just inside,
// and an amount no double holds where no pair matches.
struct TooLargeRow
{
    catalog::ConverterButton button;
    QList<SizeClick> tooLarge;
    QList<FittingClick> fits = {};
    QList<SizeClick> noPair = {};
};

void PrintTo(const TooLargeRow &row, std::ostream *os) { *os << ButtonName(row.button); }

std::string Described(const SizeClick &c)
{
    return c.amount.toStdString() + ' ' + c.from.toStdString() + " -> " + c.to.toStdString();
}

class TooLargeTest : public ::testing::TestWithParam<TooLargeRow> {};

TEST_P(TooLargeTest, SaysSoOnlyWhereAPairsProductIsBeyondTheDoubles)
{
    const ConverterGroup &converter = ConverterFor(GetParam().button);
    for (const SizeClick &c : GetParam().tooLarge) {
        const ClickOutcome out = Click(converter, {c.amount, c.from, c.to});
        EXPECT_TRUE(out.tooLarge) << Described(c);
        EXPECT_FALSE(out.text3.has_value()) << Described(c);
        EXPECT_FALSE(out.sentence.has_value()) << Described(c);
        EXPECT_FALSE(out.amountMissing) << Described(c);
    }
    // Just inside the range, the product is shown in full.
    for (const auto &[c, shown] : GetParam().fits) {
        const ClickOutcome out = Click(converter, {c.amount, c.from, c.to});
        EXPECT_FALSE(out.tooLarge) << Described(c);
        EXPECT_EQ(out.text3, shown) << Described(c);
        EXPECT_EQ(out.sentence, c.amount + "  " + c.from + "  =  " + shown + "  " + c.to);
    }
    // With no pair to convert it, no amount is too large.
    for (const SizeClick &c : GetParam().noPair) {
        const ClickOutcome out = Click(converter, {c.amount, c.from, c.to});
        EXPECT_FALSE(out.tooLarge) << Described(c);
        EXPECT_FALSE(out.text3 || out.sentence) << Described(c);
    }
}

using enum catalog::ConverterButton;

INSTANTIATE_TEST_SUITE_P(
    Buttons, TooLargeTest,
    ::testing::Values(
        TooLargeRow{Command1,
                    {{"1E999", unit::Finger, unit::Feet},
                     {"-1E999", unit::Finger, unit::Inches},
                     {"1E999", unit::Finger, unit::Inches},
                     // Finger into Finger multiplies by 1; its 15-digit text overflows.
                     {"1.7976931348623157E308", unit::Finger, unit::Finger}},
                    {{{"1.79769313486231E308", unit::Finger, unit::Finger}, "1.79769313486231E+308"}},
                    {{"1E999", unit::Finger, unit::ConvertTo}}},
        // Amounts that are doubles, products that are not.
        TooLargeRow{Command31,
                    {{"1E304", unit::RomanMile, unit::Inches}, {"-1E304", unit::RomanMile, unit::Finger}}},
        TooLargeRow{Command41,
                    {{"1E307", unit::Pace, unit::Centimeters},
                     {"1E999", unit::Pace, unit::Centimeters},
                     {"-1E307", unit::Pace, unit::Centimeters}},
                    // 1E306 paces are about 9.1E307 centimeters: still a number.
                    {{{"1E306", unit::Pace, unit::Centimeters}, "9.14401828803658E+307"}}},
        TooLargeRow{Command51, {{"1E307", unit::CubitEzekiels, unit::Finger}}},
        TooLargeRow{Command6, {{"1E305", unit::FurlongStadion, unit::Centimeters}}},
        TooLargeRow{Command7, {{"-1E304", unit::ALittleWay, unit::Finger}}},
        TooLargeRow{Command8, {{"-1E303", unit::DaysJourneyAlone, unit::Inches}}},
        TooLargeRow{Command9,
                    {{"1e308", unit::Talent, unit::Ounces},
                     {"-1e308", unit::Talent, unit::Ounces},
                     {"1e999", unit::Talent, unit::Ounces}},
                    // The same pair with a smaller amount still converts.
                    {{{"1e300", unit::Talent, unit::Ounces}, "1.2096E+303"}}},
        TooLargeRow{Command10, {{"1e306", unit::Talent, unit::Ounces}}},
        TooLargeRow{Command11,
                    {{"5e303", unit::Acre, unit::SquareFeet}, {"3e304", unit::HomerKor, unit::Ounces}}},
        TooLargeRow{Command12,
                    {{"5e305", unit::CorKor, unit::DryPints},
                     {"-5e305", unit::Homer, unit::DryPints},
                     {"1e400", unit::Omer, unit::Omer}}},
        // It converts nothing, so nothing is ever too large.
        TooLargeRow{Command13, {}, {}, {{"1E999", unit::Finger, unit::Inches}}}),
    [](const auto &info) { return std::string(ButtonName(info.param.button)); });

// --- The converters behind the buttons --------------------------------------------------

TEST(ConverterFor, Command13ChecksOnlyTheAmount)
{
    for (const auto &[amount, missing] : {std::pair{"", true}, {" ", false}, {"abc", false}, {"0", false},
                                          {"\u2066\u2069", true}}) {
        const ClickOutcome out = Click(ConverterFor(catalog::ConverterButton::Command13),
                                       {QString::fromUtf8(amount), unit::Finger, unit::Inches});
        EXPECT_EQ(out.amountMissing, missing) << amount;
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
