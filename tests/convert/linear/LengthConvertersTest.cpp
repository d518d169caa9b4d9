#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include <gtest/gtest.h>

#include "catalog/ConverterNotes.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"
#include "convert/Converters.h"
#include "convert/linear/LengthConverters.h"
#include "convert/linear/UnitInches.h"
#include "format/Numbers.h"
#include "support/QtPrinting.h"
#include "support/RoutingFacts.h"
#include "support/TestNames.h"

namespace {

using catalog::ConverterButton;
using catalog::CubitNote;
using namespace convert;
using namespace convert::linear;

QStringList LinearFrom() { return catalog::FromUnitList(catalog::MeasurementType::Linear); }
QStringList LinearTo() { return catalog::ToUnitList(catalog::MeasurementType::Linear); }

// The cubits whose converter writes the cubit note, and the box it goes into.
const std::map<QString, NoteBox> CubitNoteBoxes{
    {unit::CubitEgyptian, NoteBox::Text6},      {unit::CubitRomanNT, NoteBox::Text5},
    {unit::CubitHebrewLong, NoteBox::Text5},    {unit::CubitBabylonRoyal, NoteBox::Text5},
    {unit::CubitHebrewOT, NoteBox::Text5},      {unit::CubitEzekiels, NoteBox::Text5},
    {unit::CubitRoyalEgyptian, NoteBox::Text5}};

double InchesOf(const QString &name) { return ValueOf(UnitInches(), name).value(); }

// The factor by the rule, worked out apart from the converter: the from-value itself into
// inches, otherwise the quotient printed with 15 significant digits and read back.
double RuleFactor(const QString &from, const QString &to)
{
    if (to == unit::Inches)
        return InchesOf(from);
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", InchesOf(from) / InchesOf(to));
    return std::strtod(text, nullptr);
}

const PairConversion *FindPair(const ConverterGroup &group, const QString &from, const QString &to)
{
    const PairConversion *found = nullptr;
    for (const Block &block : group.blocks)
        if (const auto *pair = std::get_if<PairConversion>(&block))
            if (pair->fromUnit == from && pair->toUnit == to)
                found = pair;
    return found;
}

ConverterButton ButtonOf(const QString &from)
{
    if (const auto button = LengthButtonOf(from))
        return *button;
    ADD_FAILURE() << "no length converter serves " << from.toStdString()
                  << ": it has no row in UnitRouting(), or its row names no button";
    return ConverterButton::Command13;
}

// The pair that the from-unit's own converter runs; none where that converter has no such pair.
const PairConversion *OwnPair(const QString &from, const QString &to)
{
    return FindPair(ConverterFor(ButtonOf(from)), from, to);
}

// --- The table of lengths ---------------------------------------------------------------

// Its values are not copied here: the telling factors and the worked examples below pin them
// (UnitInches.AgreesWithTheTellingFactorsAndTheWorkedExamples).
TEST(UnitInches, HoldsOneValuePerUnitInTheToUnitOrder)
{
    QStringList names;
    for (const UnitValue &row : UnitInches()) {
        names << row.name;
        EXPECT_TRUE(std::isfinite(row.value) && row.value > 0) << row.name.toStdString();
    }
    EXPECT_EQ(names, LinearTo());
    EXPECT_EQ(names.mid(7), LinearFrom());
    EXPECT_EQ(InchesOf(unit::Inches), 1) << "the base unit";
    EXPECT_EQ(names.removeDuplicates(), 0) << "one value per unit";
}

// --- The cubit note -------------------------------------------------------------------------

TEST(CubitNote, IsAHeadingAndAThreeSentenceQuotation)
{
    const QString heading = QStringLiteral("There were various cubit lengths in Biblical times");
    ASSERT_EQ(CubitNote().size(), 495);
    ASSERT_TRUE(CubitNote().startsWith(heading + QStringLiteral("\r\n")));
    EXPECT_EQ(CubitNote().count(u'\r'), 1);
    EXPECT_EQ(CubitNote().count(u'\n'), 1);
    EXPECT_FALSE(CubitNote().contains(QChar(0x2019))) << "straight apostrophes only";

    const QString quotation = CubitNote().mid(heading.size() + 2);
    ASSERT_EQ(quotation.size(), 443);
    const QString first = quotation.left(152);
    const QString second = quotation.mid(153, 231);
    const QString third = quotation.mid(385);
    EXPECT_EQ(first, QStringLiteral("Qarvel's Bible Dictionary says this:  Hebrew - 'ammah; i.e., (mother of the "
                                    "arm,) the fore-arm, is a word derived from the Latin cubitus, the lower arm."));
    EXPECT_EQ(quotation[152], u' ');
    EXPECT_TRUE(second.startsWith(QStringLiteral("It is difficult to determine the exact length of this measure")));
    EXPECT_TRUE(second.endsWith(QStringLiteral("to the root of the hand at the wrist.")));
    EXPECT_EQ(second.count(u'.'), 1) << "one sentence";
    EXPECT_EQ(quotation[384], u' ');
    EXPECT_EQ(third, QStringLiteral("The probability is that the longer was the original cubit."));
}

// --- The seven converters -------------------------------------------------------------------

class LengthGroupTest : public ::testing::TestWithParam<ConverterButton> {};

TEST_P(LengthGroupTest, RunsItsSectionsInListOrderWithTheirNotesFirst)
{
    const ConverterButton button = GetParam();
    QStringList sections;
    for (const QString &from : LinearFrom())
        if (LengthButtonOf(from) == button)
            sections << from;
    ASSERT_FALSE(sections.isEmpty());
    EXPECT_EQ(FromUnitsOf(button), sections);

    // Expected run: for each section its note (if any), then a pair for every to-unit.
    const ConverterGroup &group = ConverterFor(button);
    qsizetype i = 0;
    for (const QString &from : sections) {
        if (const auto cubit = CubitNoteBoxes.find(from); cubit != CubitNoteBoxes.end()) {
            ASSERT_LT(i, group.blocks.size());
            const auto *note = std::get_if<NoteBlock>(&group.blocks[i++]);
            ASSERT_NE(note, nullptr) << "note before " << from.toStdString();
            EXPECT_EQ(note->fromUnit, from);
            EXPECT_EQ(note->box, cubit->second);
            EXPECT_EQ(note->note, CubitNote());
        }
        for (const QString &to : LinearTo()) {
            ASSERT_LT(i, group.blocks.size());
            const auto *pair = std::get_if<PairConversion>(&group.blocks[i++]);
            ASSERT_NE(pair, nullptr) << from.toStdString() << " into " << to.toStdString();
            EXPECT_EQ(pair->fromUnit, from);
            EXPECT_EQ(pair->toUnit, to);
        }
    }
    EXPECT_EQ(i, group.blocks.size()) << "nothing after the last section";
}

INSTANTIATE_TEST_SUITE_P(Buttons, LengthGroupTest, ::testing::ValuesIn(LengthButtons()),
                         [](const auto &info) { return std::string(ButtonName(info.param)); });

// The seven buttons of the design convert the lengths between them.
TEST(LengthConverters, AreTheSevenButtonsOfTheDesign)
{
    using enum ConverterButton;
    EXPECT_EQ(LengthButtons(), (QList<ConverterButton>{Command1, Command31, Command41, Command51,
                                                        Command6, Command7, Command8}));
}

TEST(LengthConverters, ServeEachFromUnitOnceBetweenThem)
{
    QStringList served;
    for (ConverterButton b : LengthButtons())
        served += FromUnitsOf(b);
    served.sort();
    QStringList all = LinearFrom();
    all.sort();
    EXPECT_EQ(served, all);
}

TEST(LengthConverters, AnotherButtonConvertsNoLength)
{
    EXPECT_TRUE(FromUnitsOf(ConverterButton::Command9).isEmpty());
    const ClickOutcome out = Click(ConverterFor(ConverterButton::Command13), {"1", unit::Finger, unit::Inches});
    EXPECT_FALSE(out.sentence.has_value());
}

// Every from-unit into every to-unit, through every length button: only its own answers,
// with the factor the rule gives.
TEST(LengthConverters, ConvertEveryPairThroughItsOwnButtonOnly)
{
    for (const QString &from : LinearFrom()) {
        const ConverterButton own = ButtonOf(from);
        for (const QString &to : LinearTo()) {
            const std::string pairName = from.toStdString() + " into " + to.toStdString();
            for (ConverterButton b : LengthButtons()) {
                const ClickOutcome out = Click(ConverterFor(b), {"1", from, to});
                if (b != own) {
                    EXPECT_FALSE(out.sentence.has_value()) << pairName << " by " << ButtonName(b);
                    EXPECT_FALSE(out.text3.has_value()) << pairName << " by " << ButtonName(b);
                    continue;
                }
                ASSERT_TRUE(out.sentence.has_value()) << pairName;
                EXPECT_TRUE(out.sentence->startsWith(QStringLiteral("1  ") + from + QStringLiteral("  =  ")))
                    << pairName;
                EXPECT_TRUE(out.sentence->endsWith(QStringLiteral("  ") + to)) << pairName;
                EXPECT_FALSE(out.tooLarge || out.amountMissing) << pairName;
            }
            const PairConversion *pair = FindPair(ConverterFor(own), from, to);
            ASSERT_NE(pair, nullptr) << pairName;
            EXPECT_EQ(pair->factor, RuleFactor(from, to)) << pairName;
        }
    }
}

// With one value per unit, a unit into itself is 1 and a conversion undoes its reverse.
TEST(LengthConverters, AgreeWithTheirReverse)
{
    for (const QString &a : LinearFrom()) {
        const PairConversion *self = OwnPair(a, a);
        ASSERT_NE(self, nullptr) << "no converter turns " << a.toStdString() << " into itself";
        EXPECT_EQ(self->factor, 1.0) << a.toStdString();
        EXPECT_EQ(Click(ConverterFor(ButtonOf(a)), {"1", a, a}).text3, QStringLiteral("1.00000000"))
            << a.toStdString();
        for (const QString &b : LinearFrom()) {
            const PairConversion *there = OwnPair(a, b);
            const PairConversion *back = OwnPair(b, a);
            ASSERT_NE(there, nullptr) << "no converter turns " << a.toStdString() << " into " << b.toStdString();
            ASSERT_NE(back, nullptr) << "no converter turns " << b.toStdString() << " into " << a.toStdString();
            EXPECT_NEAR(there->factor * back->factor, 1.0, 1e-13)
                << a.toStdString() << " and " << b.toStdString();
        }
    }
}

// --- Telling factors ------------------------------------------------------------------------

struct FactorCase { QString from, to; double factor; };

void PrintTo(const FactorCase &c, std::ostream *os)
{
    *os << c.from.toStdString() << " into " << c.to.toStdString();
}

class LengthFactorTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(LengthFactorTest, IsTheFifteenDigitQuotientOfTheTwoValues)
{
    const FactorCase c = GetParam();
    const PairConversion *pair = OwnPair(c.from, c.to);
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->factor, c.factor) << NumberText(pair->factor).toStdString();
}

using namespace unit;

const FactorCase kFactors[] = {
    FactorCase{Finger, Feet, 0.0625},
    FactorCase{Finger, Centimeters, 1.90500381000762},
    FactorCase{Finger, Reed, 0.00694444444444444},
    FactorCase{Finger, ALittleWay, 3.33333333333333E-06},
    FactorCase{Finger, DaysJourneyAlone, 4.73484848484848E-07},
    FactorCase{Handbreath, Reed, 0.0277777777777778},
    FactorCase{Handbreath, CubitRomanNT, 0.171428571428571},
    // One value for "A Little Way": the handbreadth divides by 225000 like the finger.
    FactorCase{Handbreath, ALittleWay, 1.33333333333333E-05},
    FactorCase{Handbreath, DaysJourneyAlone, 1.89393939393939E-06},
    FactorCase{CubitEgyptian, Handbreath, 5.90666666666667},
    FactorCase{CubitEgyptian, Span, 1.96888888888889},
    FactorCase{CubitEgyptian, CubitRomanNT, 1.01257142857143},
    FactorCase{CubitEgyptian, CubitEgyptian, 1},
    FactorCase{CubitEgyptian, Reed, 0.164074074074074},
    FactorCase{CubitEgyptian, Meters, 0.4500889001778},
    FactorCase{CubitEgyptian, Inches, 17.72},
    FactorCase{Span, Feet, 0.75},
    FactorCase{Span, Handbreath, 3},
    FactorCase{Span, Reed, 0.0833333333333333},
    FactorCase{Span, DaysJourneyAlone, 5.68181818181818E-06},
    FactorCase{CubitRomanNT, Span, 1.94444444444444},
    FactorCase{CubitRomanNT, Centimeters, 44.4500889001778},
    FactorCase{RomanMile, Miles, 0.946969696969697},
    FactorCase{RomanMile, CubitBabylonRoyal, 2883.22921672273},
    FactorCase{RomanMile, FurlongStadion, 8.25082508250825},
    FactorCase{RomanMile, ALittleWay, 0.266666666666667},
    FactorCase{RomanMile, DaysJourneyAlone, 0.0378787878787879},
    FactorCase{CubitHebrewLong, Feet, 1.7225},
    FactorCase{CubitHebrewLong, Centimeters, 52.50190500381},
    FactorCase{CubitHebrewLong, Reed, 0.191388888888889},
    FactorCase{CubitHebrewLong, CubitBabylonRoyal, 0.99327246516098},
    FactorCase{CubitHebrewLong, CubitRoyalEgyptian, 1},
    FactorCase{CubitBabylonRoyal, Feet, 1.73416666666667},
    FactorCase{CubitBabylonRoyal, CubitHebrewLong, 1.00677310111272},
    FactorCase{CubitBabylonRoyal, CubitRoyalEgyptian, 1.00677310111272},
    FactorCase{CubitBabylonRoyal, Pace, 0.578055555555556},
    FactorCase{CubitBabylonRoyal, Reed, 0.192685185185185},
    FactorCase{Pace, CubitBabylonRoyal, 1.72993753003364},
    FactorCase{Pace, Yards, 1},
    FactorCase{Pace, Reed, 0.333333333333333},
    FactorCase{Pace, ALittleWay, 0.00016},
    FactorCase{Pace, DaysJourneyAlone, 2.27272727272727E-05},
    FactorCase{CubitHebrewOT, Feet, 1.5},
    FactorCase{CubitHebrewOT, Centimeters, 45.7200914401829},
    FactorCase{CubitHebrewOT, Reed, 0.166666666666667},
    FactorCase{CubitHebrewOT, CubitEzekiels, 0.878048780487805},
    FactorCase{CubitHebrewOT, CubitRoyalEgyptian, 0.870827285921626},
    FactorCase{CubitHebrewOT, CubitHebrewLong, 0.870827285921626},
    FactorCase{CubitHebrewOT, Handbreath, 6},
    FactorCase{CubitHebrewOT, Span, 2},
    FactorCase{CubitHebrewOT, CubitRomanNT, 1.02857142857143},
    FactorCase{CubitHebrewOT, CubitEgyptian, 1.01580135440181},
    FactorCase{CubitHebrewOT, ALittleWay, 8E-05},
    FactorCase{CubitHebrewOT, DaysJourneyAlone, 1.13636363636364E-05},
    FactorCase{CubitEzekiels, Finger, 27.3333333333333},
    FactorCase{CubitEzekiels, CubitHebrewOT, 1.13888888888889},
    FactorCase{CubitEzekiels, Reed, 0.189814814814815},
    FactorCase{CubitRoyalEgyptian, Centimeters, 52.50190500381},
    FactorCase{CubitRoyalEgyptian, Meters, 0.5250190500381},
    FactorCase{CubitRoyalEgyptian, CubitEzekiels, 1.00829268292683},
    FactorCase{CubitRoyalEgyptian, CubitHebrewLong, 1},
    FactorCase{CubitRoyalEgyptian, Handbreath, 6.89},
    FactorCase{CubitRoyalEgyptian, CubitHebrewOT, 1.14833333333333},
    FactorCase{CubitRoyalEgyptian, Reed, 0.191388888888889},
    FactorCase{Fathom, Feet, 6},
    FactorCase{Fathom, Miles, 0.00113636363636364},
    FactorCase{Fathom, CubitBabylonRoyal, 3.45987506006728},
    FactorCase{Fathom, Reed, 0.666666666666667},
    FactorCase{Fathom, FurlongStadion, 0.0099009900990099},
    FactorCase{Fathom, ALittleWay, 0.00032},
    FactorCase{Reed, Feet, 9},
    FactorCase{Reed, Miles, 0.00170454545454545},
    FactorCase{Reed, CubitBabylonRoyal, 5.18981259010091},
    FactorCase{Reed, FurlongStadion, 0.0148514851485149},
    FactorCase{Reed, ALittleWay, 0.00048},
    FactorCase{FurlongStadion, Feet, 606},
    FactorCase{FurlongStadion, Miles, 0.114772727272727},
    FactorCase{FurlongStadion, CubitBabylonRoyal, 349.447381066795},
    FactorCase{FurlongStadion, Reed, 67.3333333333333},
    FactorCase{FurlongStadion, ALittleWay, 0.03232},
    FactorCase{SabbathDaysJourney, Feet, 3000},
    FactorCase{SabbathDaysJourney, Miles, 0.568181818181818},
    FactorCase{SabbathDaysJourney, Reed, 333.333333333333},
    FactorCase{SabbathDaysJourney, FurlongStadion, 4.95049504950495},
    FactorCase{SabbathDaysJourney, ALittleWay, 0.16},
    FactorCase{SabbathDaysJourney, DaysJourneyAlone, 0.0227272727272727},
    FactorCase{SabbathDaysJourney, DaysJourneyInCompany, 0.0568181818181818},
    FactorCase{ALittleWay, Feet, 18750},
    FactorCase{ALittleWay, Miles, 3.55113636363636},
    FactorCase{ALittleWay, Reed, 2083.33333333333},
    FactorCase{ALittleWay, FurlongStadion, 30.9405940594059},
    FactorCase{ALittleWay, SabbathDaysJourney, 6.25},
    FactorCase{ALittleWay, ALittleWay, 1},
    FactorCase{ALittleWay, DaysJourneyAlone, 0.142045454545455},
    FactorCase{ALittleWay, DaysJourneyInCompany, 0.355113636363636},
    FactorCase{DaysJourneyInCompany, Feet, 52800},
    FactorCase{DaysJourneyInCompany, Miles, 10},
    FactorCase{DaysJourneyInCompany, Reed, 5866.66666666667},
    FactorCase{DaysJourneyInCompany, FurlongStadion, 87.1287128712871},
    FactorCase{DaysJourneyInCompany, SabbathDaysJourney, 17.6},
    FactorCase{DaysJourneyInCompany, ALittleWay, 2.816},
    FactorCase{DaysJourneyInCompany, DaysJourneyAlone, 0.4},
    FactorCase{DaysJourneyAlone, Feet, 132000},
    FactorCase{DaysJourneyAlone, Miles, 25},
    FactorCase{DaysJourneyAlone, Reed, 14666.6666666667},
    FactorCase{DaysJourneyAlone, FurlongStadion, 217.821782178218},
    FactorCase{DaysJourneyAlone, ALittleWay, 7.04},
    FactorCase{DaysJourneyAlone, DaysJourneyAlone, 1},
    FactorCase{DaysJourneyAlone, GreekFeet, 145214.521452145},
    FactorCase{DaysJourneyAlone, RomanFeet, 135849.056603774},
    FactorCase{GreekFeet, Feet, 0.909},
    FactorCase{GreekFeet, Miles, 0.000172159090909091},
    FactorCase{GreekFeet, Reed, 0.101},
    FactorCase{GreekFeet, FurlongStadion, 0.0015},
    FactorCase{GreekFeet, ALittleWay, 4.848E-05},
    FactorCase{GreekFeet, DaysJourneyAlone, 6.88636363636364E-06},
    FactorCase{GreekFeet, RomanFeet, 0.935506003430532},
    FactorCase{RomanFeet, Feet, 0.971666666666667},
    FactorCase{RomanFeet, Miles, 0.000184027777777778},
    FactorCase{RomanFeet, Reed, 0.107962962962963},
    FactorCase{RomanFeet, FurlongStadion, 0.0016034103410341},
    FactorCase{RomanFeet, ALittleWay, 5.18222222222222E-05},
    FactorCase{RomanFeet, DaysJourneyAlone, 7.36111111111111E-06},
    FactorCase{RomanFeet, GreekFeet, 1.06894022735607},
};

INSTANTIATE_TEST_SUITE_P(Examples, LengthFactorTest, ::testing::ValuesIn(kFactors),
                         [](const auto &info) { return CaseName(info.param.from, "to", info.param.to); });

// --- Shown results --------------------------------------------------------------------------

struct ShownCase { QString amount, from, to, shown; };

void PrintTo(const ShownCase &c, std::ostream *os)
{
    *os << c.amount.toStdString() << " " << c.from.toStdString() << " into " << c.to.toStdString();
}

class LengthResultTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(LengthResultTest, ShowsTheFormattedProductInTheSentence)
{
    const ShownCase c = GetParam();
    const ClickOutcome out = Click(ConverterFor(ButtonOf(c.from)), {c.amount, c.from, c.to});
    EXPECT_EQ(out.text3, c.shown);
    EXPECT_EQ(out.sentence, c.amount + "  " + c.from + "  =  " + c.shown + "  " + c.to);
}

const ShownCase kShown[] = {
    ShownCase{"2", Finger, Inches, "1.50"},
    ShownCase{"2", Finger, Feet, "0.125"},
    ShownCase{"1", Finger, Finger, "1.00000000"},
    ShownCase{"1", Handbreath, Finger, "4.00000000"},
    ShownCase{"1", Finger, Centimeters, "1.905"},
    ShownCase{"100", Finger, Centimeters, "190.5004"},
    ShownCase{"1000000", Finger, ALittleWay, "3.3333"},
    // The same length in handbreadths now gives the same result.
    ShownCase{"250000", Handbreath, ALittleWay, "3.3333"},
    ShownCase{"1000000", Finger, DaysJourneyAlone, "0.4735"},
    ShownCase{"1000000", Handbreath, DaysJourneyAlone, "1.8939"},
    ShownCase{"1", Handbreath, Reed, "0.0278"},
    ShownCase{"1", Handbreath, CubitRomanNT, "0.1714"},
    ShownCase{"1", CubitEgyptian, CubitEgyptian, "1.00000000"},
    ShownCase{"1", CubitEgyptian, Handbreath, "5.9067"},
    ShownCase{"1", CubitEgyptian, Span, "1.9689"},
    ShownCase{"1", CubitEgyptian, CubitRomanNT, "1.0126"},
    ShownCase{"1", CubitEgyptian, Reed, "0.1641"},
    ShownCase{"1", CubitEgyptian, Inches, "17.72"},
    ShownCase{"1", CubitEgyptian, Meters, "0.4501"},
    ShownCase{"2", Span, Feet, "1.50"},
    ShownCase{"1", Span, Span, "1.00000000"},
    ShownCase{"1", Span, DaysJourneyAlone, "0.00000000"},
    ShownCase{"1", CubitRomanNT, CubitRomanNT, "1.00000000"},
    ShownCase{"1", RomanMile, RomanMile, "1.00000000"},
    ShownCase{"1", RomanMile, Miles, "0.947"},
    ShownCase{"1", RomanMile, ALittleWay, "0.2667"},
    ShownCase{"1", CubitHebrewLong, Inches, "20.67"},
    ShownCase{"2", CubitBabylonRoyal, Feet, "3.4683"},
    ShownCase{"10", Pace, Feet, "30.00000000"},
    ShownCase{"1", Pace, CubitBabylonRoyal, "1.7299"},
    ShownCase{"1", CubitBabylonRoyal, Pace, "0.5781"},
    ShownCase{"1", CubitHebrewOT, Inches, "18.00000000"},
    ShownCase{"1", CubitEzekiels, Inches, "20.50"},
    ShownCase{"1", CubitRoyalEgyptian, Inches, "20.67"},
    ShownCase{"1", CubitHebrewOT, Feet, "1.50"},
    ShownCase{"1", CubitHebrewOT, Centimeters, "45.7201"},
    ShownCase{"2", CubitRoyalEgyptian, Meters, "1.05"},
    ShownCase{"1", CubitHebrewOT, CubitEzekiels, "0.878"},
    ShownCase{"10", CubitRoyalEgyptian, Handbreath, "68.90"},
    ShownCase{"1", CubitHebrewOT, DaysJourneyAlone, "0.00000000"},
    ShownCase{"1", Fathom, Inches, "72.00000000"},
    ShownCase{"2", Fathom, Inches, "144.00000000"},
    ShownCase{"1", Reed, Fathom, "1.50"},
    ShownCase{"1", FurlongStadion, SabbathDaysJourney, "0.202"},
    ShownCase{"1", FurlongStadion, Miles, "0.1148"},
    ShownCase{"1", Fathom, DaysJourneyAlone, "0.00000000"},
    ShownCase{"3", Fathom, Reed, "2.00000000"},
    ShownCase{"3", FurlongStadion, Reed, "202.00000000"},
    ShownCase{"20.81", Fathom, CubitBabylonRoyal, "72.00000000"},
    ShownCase{"225000", Fathom, ALittleWay, "72.00000000"},
    ShownCase{"1584000", Fathom, DaysJourneyAlone, "72.00000000"},
    ShownCase{"2.50", Fathom, Feet, "15.00000000"},
    ShownCase{"-2", Reed, Fathom, "-3.00000000"},
    ShownCase{"1", SabbathDaysJourney, SabbathDaysJourney, "1.00000000"},
    ShownCase{"1", ALittleWay, ALittleWay, "1.00000000"},
    ShownCase{"1", DaysJourneyInCompany, DaysJourneyInCompany, "1.00000000"},
    ShownCase{"1", ALittleWay, Inches, "225000.00000000"},
    ShownCase{"1", SabbathDaysJourney, Inches, "36000.00000000"},
    ShownCase{"1", SabbathDaysJourney, Feet, "3000.00000000"},
    ShownCase{"1", DaysJourneyInCompany, Miles, "10.00000000"},
    ShownCase{"1", DaysJourneyInCompany, SabbathDaysJourney, "17.60"},
    ShownCase{"1", SabbathDaysJourney, DaysJourneyAlone, "0.0227"},
    ShownCase{"1", SabbathDaysJourney, Centimeters, "91440.1829"},
    ShownCase{"1", SabbathDaysJourney, CubitRoyalEgyptian, "1741.6546"},
    ShownCase{"1", SabbathDaysJourney, CubitHebrewLong, "1741.6546"},
    ShownCase{"1", SabbathDaysJourney, Yards, "1000.00000000"},
    ShownCase{"1", SabbathDaysJourney, Pace, "1000.00000000"},
    ShownCase{"3", SabbathDaysJourney, Reed, "1000.00000000"},
    ShownCase{"-1", SabbathDaysJourney, Feet, "-3000.00000000"},
    ShownCase{"1", DaysJourneyAlone, DaysJourneyAlone, "1.00000000"},
    ShownCase{"1", GreekFeet, GreekFeet, "1.00000000"},
    ShownCase{"1", RomanFeet, RomanFeet, "1.00000000"},
    ShownCase{"2.5", RomanFeet, RomanFeet, "2.50"},
    ShownCase{"1", DaysJourneyAlone, Inches, "1584000.00000000"},
    ShownCase{"1", GreekFeet, Inches, "10.908"},
    ShownCase{"1", DaysJourneyAlone, Miles, "25.00000000"},
    ShownCase{"1", DaysJourneyAlone, DaysJourneyInCompany, "2.50"},
    ShownCase{"1", DaysJourneyAlone, RomanMile, "26.40"},
    ShownCase{"1", GreekFeet, Feet, "0.909"},
    ShownCase{"1", RomanFeet, Feet, "0.9717"},
    ShownCase{"1", DaysJourneyAlone, Centimeters, "4023368.0467"},
    ShownCase{"1", GreekFeet, DaysJourneyAlone, "0.00000000"},
    ShownCase{"3", DaysJourneyAlone, Reed, "44000.00000000"},
    ShownCase{"12", RomanFeet, Feet, "11.66"},
    ShownCase{"1", GreekFeet, Yards, "0.303"},
    ShownCase{"1", GreekFeet, Pace, "0.303"},
    ShownCase{"-2", DaysJourneyAlone, Miles, "-50.00000000"},
    ShownCase{"-1", RomanFeet, Feet, "-.9717"},
};

INSTANTIATE_TEST_SUITE_P(Examples, LengthResultTest, ::testing::ValuesIn(kShown), [](const auto &info) {
    return CaseName(Typed(info.param.amount), info.param.from, "to", info.param.to);
});


// --- The table of lengths against the examples ---------------------------------------------

// Facts written apart from the table: each telling factor is the 15-digit quotient of its
// units' values, and a worked example into inches shows its amount times the value, to its
// shown decimals. Every unit of the list is pinned by one of them.
TEST(UnitInches, AgreesWithTheTellingFactorsAndTheWorkedExamples)
{
    QStringList pinned{Inches};
    for (const FactorCase &c : kFactors) {
        const double factor = c.to == Inches ? InchesOf(c.from) : QuotientFactor(InchesOf(c.from), InchesOf(c.to));
        EXPECT_EQ(factor, c.factor) << c.from.toStdString() << " into " << c.to.toStdString();
        pinned << c.from << c.to;
    }
    for (const ShownCase &c : kShown) {
        if (c.to != Inches)
            continue;
        EXPECT_NEAR(c.amount.toDouble() * InchesOf(c.from), c.shown.toDouble(), 0.00005)
            << c.amount.toStdString() << ' ' << c.from.toStdString() << " shows " << c.shown.toStdString();
        pinned << c.from;
    }
    // In no example: a kilometer is a thousand meters.
    EXPECT_DOUBLE_EQ(InchesOf(Kilometers), 1000 * InchesOf(Meters));
    pinned << Kilometers;
    for (const QString &name : LinearTo())
        EXPECT_TRUE(pinned.contains(name)) << "nothing pins the value of " << name.toStdString();
}

// --- Notes ----------------------------------------------------------------------------------

// Which box each from-unit's converter writes the cubit note into; the others write none.
TEST(LengthConverters, WriteTheCubitNoteForTheCubitsOnly)
{
    const std::map<QString, NoteBox> &cubits = CubitNoteBoxes;
    for (const QString &from : LinearFrom()) {
        // Also with no pair to match and no amount.
        for (const QString &to : {QString(Feet), QString(ConvertTo)}) {
            const ClickOutcome out = Click(ConverterFor(ButtonOf(from)), {"", from, to});
            const auto cubit = cubits.find(from);
            const std::optional<QString> note =
                cubit != cubits.end() ? std::optional<QString>(CubitNote()) : std::nullopt;
            const bool inText6 = cubit != cubits.end() && cubit->second == NoteBox::Text6;
            EXPECT_EQ(out.text5, inText6 ? std::nullopt : note) << from.toStdString();
            EXPECT_EQ(out.text6, inText6 ? note : std::nullopt) << from.toStdString();
            EXPECT_TRUE(out.amountMissing);
            EXPECT_EQ(out.sentence.has_value(), to == Feet) << from.toStdString();
        }
    }
    // A cubit typed in other letters is no cubit.
    const ClickOutcome lower = Click(ConverterFor(ConverterButton::Command51), {"1", "cubit (hebrew, ot)", Feet});
    EXPECT_FALSE(lower.text5 || lower.text6 || lower.sentence);
}

} // namespace
