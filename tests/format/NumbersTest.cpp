#include <cfloat>
#include <cmath>
#include <iomanip>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "format/FormatResult.h"
#include "format/Numbers.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"

namespace {

struct LeadingCase { const char *text; double expected; };

void PrintTo(const LeadingCase &c, std::ostream *os)
{
    *os << '"' << c.text << "\" reads " << std::setprecision(15) << c.expected;
}

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestLeadingNumber)
{
    const LeadingCase c = GetParam();
    EXPECT_DOUBLE_EQ(LeadingNumber(TypedUtf8(c.text)), c.expected) << '"' << c.text << '"';
}

const LeadingCase kLeading[] = {
    LeadingCase{"", 0}, LeadingCase{" ", 0}, LeadingCase{"   ", 0}, LeadingCase{"abc", 0},
    LeadingCase{"12abc", 12}, LeadingCase{"2,5", 2}, LeadingCase{"1,5", 1},
    LeadingCase{"  42", 42}, LeadingCase{"\t7", 7}, LeadingCase{"-2", -2}, LeadingCase{"+3.5", 3.5},
    LeadingCase{"-", 0}, LeadingCase{".", 0}, LeadingCase{".75", 0.75}, LeadingCase{"-.5", -0.5},
    LeadingCase{"1.2.3", 1.2}, LeadingCase{"1E3", 1000}, LeadingCase{"1e3", 1000},
    LeadingCase{"1.5E-07", 1.5e-7}, LeadingCase{"2E+2x", 200}, LeadingCase{"12E", 12},
    LeadingCase{"12E+", 12}, LeadingCase{"3 4", 3}, LeadingCase{"- 4", 0},
    LeadingCase{"0.0208333333333333", 0.0208333333333333}, LeadingCase{"1E-999", 0},
    LeadingCase{"1000E-330", 0}, LeadingCase{"-1E-999", 0}, LeadingCase{"4E-320", 4e-320},
    LeadingCase{"1.7976931348623157E308", DBL_MAX}, LeadingCase{"0.001E311", 1e308}};

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest, ::testing::ValuesIn(kLeading),
                         [](const auto &info) { return CaseName(Typed(info.param.text)); });

// Beyond the range of a double by the digits before the point or by the exponent, however
// many digits that exponent has.
TEST(LeadingNumber, AHugeNumberReadsAsAnInfinityOfItsSign)
{
    for (const char *huge : {"1E999", "1E309", "0.0001E313", "1E99999999999999999999",
                             "+1E999", "1.8E308"}) {
        EXPECT_TRUE(std::isinf(LeadingNumber(huge))) << huge;
        EXPECT_GT(LeadingNumber(huge), 0) << huge;
    }
    EXPECT_TRUE(std::isinf(LeadingNumber("-1E999")));
    EXPECT_LT(LeadingNumber("-1E999"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber(QString(400, u'9'))));
}

TEST(LeadingNumber, IgnoresTheUsersDecimalComma)
{
    LocaleGuard guard{GermanLocale()};
    EXPECT_DOUBLE_EQ(LeadingNumber("2,5"), 2);
    EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
}

struct TextCase { double value; const char *numberText; const char *pointText; };

void PrintTo(const TextCase &c, std::ostream *os) { *os << std::setprecision(15) << c.value; }

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesFifteenDigitsWithAPoint)
{
    const TextCase c = GetParam();
    EXPECT_EQ(NumberText(c.value), QString::fromLatin1(c.numberText));
    EXPECT_EQ(PointText(c.value), QString::fromLatin1(c.pointText));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest, ::testing::Values(
    TextCase{0, "0", " 0"}, TextCase{-0.0, "0", " 0"}, TextCase{12, "12", " 12"},
    TextCase{0.0625, "0.0625", " .0625"}, TextCase{0.75, "0.75", " .75"},
    TextCase{-0.5, "-0.5", "-.5"}, TextCase{-2, "-2", "-2"}, TextCase{1.5, "1.5", " 1.5"},
    TextCase{0.75 / 36, "0.0208333333333333", " .0208333333333333"},
    TextCase{0.75 / 63360, "1.18371212121212E-05", " 1.18371212121212E-05"},
    TextCase{0.0001, "0.0001", " .0001"}, TextCase{0.00001, "1E-05", " 1E-05"},
    TextCase{1.5e-7, "1.5E-07", " 1.5E-07"}, TextCase{1e15, "1E+15", " 1E+15"},
    TextCase{-1.5e15, "-1.5E+15", "-1.5E+15"}, TextCase{999999999999999, "999999999999999", " 999999999999999"},
    TextCase{123456789012345.6, "123456789012346", " 123456789012346"},
    TextCase{1234567.891, "1234567.891", " 1234567.891"}, TextCase{1e300, "1E+300", " 1E+300"}),
    [](const auto &info) { return CaseName(info.param.value); });

TEST(NumberText, ReadsBackHeldToFifteenDigits)
{
    for (double v : {2.0 / 3.0, 1.0 / 7.0, 12.0 / 0.0353, 1e-20 / 3, 3e20 / 7}) {
        const double back = LeadingNumber(NumberText(v));
        EXPECT_NEAR(back / v, 1.0, 1e-14) << v;
        EXPECT_EQ(NumberText(back), NumberText(v));
    }
}

// What the conversions and valuations hold their values to, and where they call a value
// too large.
TEST(HeldTo15Digits, IsTheValueWrittenAndReadBack)
{
    EXPECT_EQ(HeldTo15Digits(0.75 / 36), 0.0208333333333333);
    EXPECT_NE(HeldTo15Digits(0.75 / 36), 0.75 / 36);
    EXPECT_EQ(HeldTo15Digits(12.0), 12.0);
    EXPECT_EQ(HeldTo15Digits(-2.5e-7), -2.5e-7);
    EXPECT_EQ(HeldTo15Digits(1.5e300), 1.5e300);
}

TEST(HeldTo15Digits, IsNoneWhereTheValueOrItsReadBackIsNotFinite)
{
    EXPECT_FALSE(HeldTo15Digits(INFINITY).has_value());
    EXPECT_FALSE(HeldTo15Digits(-INFINITY).has_value());
    EXPECT_FALSE(HeldTo15Digits(NAN).has_value());
    // Its 15 digits, 1.79769313486232E+308, round past the largest double.
    EXPECT_FALSE(HeldTo15Digits(DBL_MAX).has_value());
    EXPECT_FALSE(HeldTo15Digits(-DBL_MAX).has_value());
    EXPECT_TRUE(HeldTo15Digits(1.797693134862e308).has_value());
}

TEST(NumberText, IgnoresTheUsersSettings)
{
    LocaleGuard guard{GermanLocale()};
    EXPECT_EQ(NumberText(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(PointText(-0.25), QStringLiteral("-.25"));
}

// What a user types for a number or a price, read under their own settings: the number they
// mean, or none. One row for each locale and text, whatever the outcome.
struct PriceCase { const char *locale; const char *text; std::optional<double> expected; };

void PrintTo(const PriceCase &c, std::ostream *os)
{
    *os << c.locale << " \"" << c.text << '"';
    if (c.expected)
        *os << " reads " << std::setprecision(15) << *c.expected;
    else
        *os << " is no number";
}

class TypedPrice : public ::testing::TestWithParam<PriceCase> {};

TEST_P(TypedPrice, ReadsAsItsWriterMeantIt)
{
    const PriceCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    const auto value = LocaleNumber(TypedUtf8(c.text));
    if (!c.expected) {
        EXPECT_FALSE(value.has_value()) << "reads as " << *value;
        return;
    }
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, *c.expected);
}

const std::optional<double> NoNumber;

const PriceCase kPrices[] = {
    // The users' numbers and amounts as their settings write them.
    {"en_US", "1,234.5679", 1234.5679}, {"en_US", "$350.00", 350}, {"en_US", "350.00", 350}, {"en_US", "4.75", 4.75},
    {"en_US", " 12 ", 12}, {"en_US", "-$5.00", -5}, {"en_US", "($5.00)", -5}, {"en_US", "1000", 1000},
    {"de_DE", "1.234,5679", 1234.5679}, {"de_DE", "350,00\u00a0\u20ac", 350}, {"de_DE", "-5,00\u00a0\u20ac", -5},
    // Direction marks around the minus and in the symbol; a form with the ISO code; a
    // symbol with a blank of its own.
    {"he_IL", "\u200e-2", -2}, {"ar_EG", "\u061c-\u0661\u0662\u066b\u0665", -12.5},
    {"ar_AE", "\u062f.\u0625.\u200f350.00", 350}, {"it_CH", "350.00\u00a0CHF", 350},
    {"en_CH", "CHF\u00a0350.00", 350}, {"fr_SN", "350,00\u00a0F\u202fCFA", 350},
    // The locale's own forms, with the blanks a user types in place of no-break ones, or
    // without the blank that parts the symbol from the number.
    {"en_US", "$-5.00", -5}, {"en_US", "(5.00)", -5}, {"en_US", "USD350.00", 350}, {"en_US", "$1,234.50", 1234.5},
    {"en_US", "-1,234.5", -1234.5}, {"de_DE", "350,00 \u20ac", 350}, {"de_DE", "350,00\u20ac", 350},
    {"de_DE", "350,00 EUR", 350}, {"de_DE", "1.234,50 \u20ac", 1234.5}, {"de_DE", "350.00 \u20ac", 350},
    {"fr_FR", "1 234,5", 1234.5}, {"fr_FR", "1\u202f234,50\u00a0\u20ac", 1234.5}, {"fr_FR", "350,00\u20ac", 350},
    {"fr_FR", "(5,00 \u20ac)", -5}, {"fr_FR", "-5,00 \u20ac", -5}, {"fr_FR", "350.00", 350},
    // The symbol or the code once at either end of the number, with or without a blank.
    {"en_US", "$ 350.00", 350}, {"en_US", "350.00 $", 350}, {"en_US", "350.00$", 350}, {"en_US", "USD 350.00", 350},
    {"en_US", "-350.00 $", -350}, {"en_US", "(5.00) $", -5}, {"en_US", "(5.00 $)", -5}, {"de_DE", "\u20ac5", 5},
    {"de_DE", "-\u20ac 5,00", -5}, {"de_DE", "\u20ac -5,00", -5}, {"fr_FR", "\u20ac5", 5},
    {"fr_FR", "\u20ac (5,00)", -5},
    // Text that is no number.
    {"en_US", "", NoNumber}, {"en_US", " ", NoNumber}, {"en_US", "abc", NoNumber}, {"en_US", "$", NoNumber},
    {"en_US", "12abc", NoNumber}, {"en_US", "nan", NoNumber}, {"en_US", "inf", NoNumber}, {"en_US", "-inf", NoNumber},
    {"en_US", "Infinity", NoNumber},
    // A blank, a symbol or a sign where the user's settings put none is no number, not a
    // number with that character taken out ("3 50" is not 350).
    {"en_US", "3 50", NoNumber}, {"en_US", "1 2 3", NoNumber}, {"en_US", "$350.00$", NoNumber},
    {"en_US", "- 5", NoNumber}, {"en_US", "$  350.00", NoNumber}, {"en_US", "350.00  $", NoNumber},
    {"en_US", "- $5", NoNumber}, {"en_US", "$$5", NoNumber}, {"en_US", "$3 50", NoNumber},
    {"en_US", "1,2,3", NoNumber}, {"en_US", "12,34", NoNumber}, {"en_US", "($-5.00)", NoNumber},
    {"en_US", "--5", NoNumber}, {"en_US", "-$-5", NoNumber}, {"en_US", "( 5.00)", NoNumber},
    {"en_US", "5-", NoNumber}, {"en_US", "USD 350.00 $", NoNumber}, {"en_US", "$USD5", NoNumber},
    {"de_DE", "\u20ac\u20ac5", NoNumber}, {"de_DE", "5 \u20ac\u20ac", NoNumber},
    {"de_DE", "\u20ac5 \u20ac", NoNumber}, {"de_DE", "3 50", NoNumber}, {"de_DE", "- 5", NoNumber},
    {"de_DE", "1 234,5", NoNumber}, {"de_DE", "5,00 \u20ac \u20ac", NoNumber}, {"de_DE", "5,00  \u20ac", NoNumber},
    {"de_DE", "-5,00 EUR \u20ac", NoNumber}, {"fr_FR", "\u20ac\u20ac5", NoNumber},
    {"fr_FR", "\u20ac 5 \u20ac", NoNumber}, {"fr_FR", "5 \u20ac \u20ac", NoNumber}, {"fr_FR", "3 50", NoNumber},
    {"fr_FR", "- 5", NoNumber}, {"fr_FR", "5,00\u20ac\u20ac", NoNumber}, {"fr_FR", "1 2 3", NoNumber},
    {"fr_FR", "(-5,00 \u20ac)", NoNumber},
    // Prices as the people of a region type them: read as they mean them, or no number where
    // they may mean either of two. Where "." groups, three digits after it are a group; where
    // it is neither the decimal point nor the group separator, they may be either, and the
    // start texts still read.
    {"es_ES", "1.500", 1500}, {"es_ES", "2.300 \u20ac", 2300}, {"de_DE", "1.500", 1500}, {"it_IT", "1.000", 1000},
    {"es_ES", "1.000.000", 1000000}, {"es_ES", "0.500", 0.5}, {"fr_FR", "1.500", NoNumber},
    {"fr_FR", "1.000", NoNumber}, {"fr_FR", "10.000", NoNumber}, {"fr_FR", "1.500 \u20ac", NoNumber},
    {"pt_PT", "1.000", NoNumber}, {"pt_PT", "10.000", NoNumber}, {"pl_PL", "1.000", NoNumber},
    {"sv_SE", "1.000", NoNumber}, {"ru_RU", "10.000", NoNumber}, {"fr_FR", "-1.000", NoNumber},
    {"de_CH", "1,500", NoNumber}, {"fr_FR", "1.5", 1.5}, {"fr_FR", "1.0000", 1},
    // After a leading zero, or after more digits than a leading group holds, such a separator
    // can only be a decimal point; "," is never one where the locale's is ".".
    {"fr_FR", "0.500", 0.5}, {"fr_FR", "1234.567", 1234.567}, {"fr_FR", "-1234.567", -1234.567},
    {"fr_FR", "1234.567 \u20ac", 1234.567}, {"sv_SE", "12345.678", 12345.678}, {"de_CH", "1234,567", NoNumber},
    {"de_CH", "0,500", NoNumber}, {"de_DE", "350.00", 350}, {"de_DE", "4.75", 4.75}, {"de_DE", "1.50", 1.5},
    {"en_US", "1.500", 1.5}, {"de_CH", "1.500", 1.5},
    // Separators in the locale's places, however short the leading group; not elsewhere.
    {"pl_PL", "1 000", 1000}, {"pl_PL", "1 000,00 z\u0142", 1000}, {"es_ES", "1.000,00 \u20ac", 1000},
    {"es_ES", "1.234,50", 1234.5}, {"pt_PT", "1 000,00 \u20ac", 1000},
    {"pl_PL", "1\u00a0209\u00a0600,00\u00a0z\u0142", 1209600}, {"es_ES", "-1.234,50", -1234.5},
    {"es_ES", "1234,5", 1234.5}, {"es_ES", "1.23.456", NoNumber},
    {"es_ES", "1.000.00", NoNumber}, {"pl_PL", "1 00 000", NoNumber}, {"pl_PL", "1 0000", NoNumber},
    // Qt writes a short leading group merged into the next where a locale leaves four-digit
    // numbers ungrouped, and reads it so too: no one else writes it, and it reads as the
    // region's neighbours read it ("1234.567" is 1234.567 under de_DE, "1234,567" nothing
    // under en_US).
    {"es_ES", "1234.567", 1234.567}, {"es_ES", "1234.567 \u20ac", 1234.567}, {"es_ES", "1234.567,5", NoNumber},
    {"de_DE", "1234.567,5", NoNumber}, {"es_ES", "1209.600,00 \u20ac", NoNumber}, {"es_ES", "-1234.567", -1234.567},
    {"es_ES", "12345.678", 12345.678}, {"es_ES", "1.234.567", 1234567}, {"es_EA", "1234.567", 1234.567},
    {"es_IC", "1234.567", 1234.567}, {"es_GQ", "1234.567", 1234.567}, {"es_PH", "1234.567", 1234.567},
    {"ia", "1234.567", 1234.567}, {"ee_GH", "1234,567", NoNumber}, {"ee_GH", "1234,567.5", NoNumber},
    {"en_US", "1234,567", NoNumber}, {"ca_ES", "1234.567", 1234.567}, {"es_AR", "1234.567", 1234.567},
    // What a keyboard types for what the locale writes.
    {"de_CH", "1'000.00", 1000}, {"de_CH", "1\u2019000.00", 1000}, {"ja_JP", "\uff13\uff15\uff10", 350},
    {"ja_JP", "\u00a5350", 350}, {"ja_JP", "\uffe5350", 350}, {"zh_CN", "\uffe5350.00", 350},
    {"zh_CN", "\u00a5350.00", 350}, {"ja_JP", "\uff11\uff0c\uff10\uff10\uff10", 1000}, {"en_US", "3'50", NoNumber},
    // Digits of any script as their values, the minus sign U+2212 as "-".
    {"hi_IN", "\u0969\u096b\u0966", 350}, {"hi_IN", "\u20b9\u0969\u096b\u0966.\u0966\u0966", 350},
    {"en_US", "\u0663\u0665\u0660", 350}, {"de_DE", "\u0969\u096b\u0966,\u096b\u0966 \u20ac", 350.5},
    {"en_US", "\u22125", -5}, {"en_US", "\u2212$5.00", -5}, {"de_DE", "\u22125,00 \u20ac", -5},
    // Invisible characters from a paste, dropped; the Arabic separators under settings not theirs.
    {"he_IL", "\u202a350\u202c", 350}, {"en_US", "\u202a350\u202c", 350}, {"en_US", "3\u200b50", 350},
    {"he_IL", "3\u200b50", 350}, {"en_US", "\ufeff$350.00", 350}, {"de_DE", "350\u00ad,00 \u20ac", 350},
    {"en_US", "\u200e", NoNumber}, {"en_US", "\u0663\u0665\u0660\u066b\u0665", 350.5},
    {"en_US", "$1\u066c000", 1000}, {"de_DE", "1\u066c000 \u20ac", 1000}, {"de_DE", "4\u066b75", 4.75},
    // A point at the end reads as the text without it, not as the program's own number.
    {"de_DE", "1,000.", 1}, {"fr_FR", "1,500.", 1.5}, {"de_CH", "1,500.", NoNumber}, {"en_US", "350.", 350},
    {"de_DE", "350.", 350}, {"en_US", "$350.", 350},
    // The symbol or the code once, before or after the number, a blank between or not.
    {"de_CH", "CHF 350", 350}, {"de_CH", "CHF350", 350}, {"de_CH", "350 CHF", 350}, {"de_DE", "EUR 350", 350},
    {"it_IT", "\u20ac 350,00", 350}, {"it_IT", "\u20ac350,00", 350}, {"es_ES", "\u20ac 1.500", 1500},
    {"pl_PL", "z\u0142 1 000", 1000},
    // Nothing else loosens.
    {"es_ES", "12abc", NoNumber}, {"de_DE", "$350", NoNumber}, {"de_CH", "CHF 350 CHF", NoNumber},
    {"de_DE", "EUR \u20ac 350", NoNumber}, {"it_IT", "\u20ac  350,00", NoNumber},
    // No one groups a number that begins with a zero: its one separator is the decimal point,
    // the locale's own or "."; any other, or more than one, and it is no number.
    {"en_US", "0,750", NoNumber}, {"en_US", "$0,750", NoNumber}, {"en_US", "0,750 $", NoNumber},
    {"en_US", "-0,750", NoNumber}, {"en_US", "00,750", NoNumber}, {"en_US", "0,500,000", NoNumber},
    {"en_US", "($0,750)", NoNumber}, {"en_US", "0.750", 0.75}, {"en_US", "$0.750", 0.75}, {"en_US", "1,500", 1500},
    {"en_US", "0.5E3", 500}, {"en_US", "0E5", 0}, {"de_DE", "0.750", 0.75}, {"de_DE", "\u20ac 0.750", 0.75},
    {"de_DE", "0.750 \u20ac", 0.75}, {"de_DE", "0.750\u00a0\u20ac", 0.75}, {"de_DE", "-0.750", -0.75},
    {"de_DE", "0,750", 0.75}, {"de_DE", "0.750.000", NoNumber}, {"de_DE", "0.750,5", NoNumber},
    {"de_DE", "0,500,000", NoNumber}, {"de_DE", "0,5E3", 500}, {"es_ES", "0,750", 0.75},
    {"es_ES", "0.750 \u20ac", 0.75}, {"pt_BR", "R$ 0.750", 0.75}, {"pt_BR", "R$ 0,750", 0.75},
    {"hi_IN", "0,750", NoNumber}, {"hi_IN", "\u20b90,750", NoNumber}, {"hi_IN", "0,75,000", NoNumber},
    {"hi_IN", "12,09,600.00", 1209600}, {"hi_IN", "0.750", 0.75}, {"sv_SE", "0 750", NoNumber},
    {"sv_SE", "0\u00a0750", NoNumber}, {"sv_SE", "0,750", 0.75}, {"de_CH", "0'750", NoNumber},
    {"de_CH", "0\u2019750", NoNumber}, {"de_CH", "0,500,000", NoNumber}, {"de_CH", "CHF 0'750", NoNumber},
    {"de_CH", "0.750", 0.75}, {"ar_EG", "\u0660\u066c\u0667\u0665\u0660", NoNumber},
    {"ar_EG", "\u0660\u066b\u0667\u0665", 0.75},
    // The exponent form as the locale writes it, its own sign and direction marks included.
    {"ar_EG", "\u0661\u0627\u0633\u061c+\u0660\u0663", 1000},
    {"ar_EG", "\u061c-\u0661\u066b\u0665\u0627\u0633\u061c-\u0660\u0667", -1.5e-7},
    {"fa_IR", "\u06f1\u00d7\u06f1\u06f0^\u200e+\u06f0\u06f3", 1000},
    {"fa_IR", "\u200e\u2212\u06f1\u066b\u06f5\u00d7\u06f1\u06f0^\u200e\u2212\u06f0\u06f7", -1.5e-7},
    {"sv_SE", "1,5\u00d710^\u221207", 1.5e-7}, {"ar_EG", "\u0661E\u0663", 1000}, {"fa_IR", "1E3", 1000},
    {"ar_EG", "\u0661\u0627\u0633", NoNumber},
    // A number beyond the range of a double is a number, and so is one below it.
    {"es_ES", "1E309", INFINITY}, {"fr_FR", "-1E309 \u20ac", -INFINITY}, {"de_DE", "1E-999", 0},
    {"en_US", "0.5E-999", 0}, {"en_US", "$1E-999", 0},
};

INSTANTIATE_TEST_SUITE_P(Regions, TypedPrice, ::testing::ValuesIn(kPrices),
                         [](const auto &info) { return CaseName(info.param.locale, Typed(info.param.text)); });

// A number too large for a double is still a number: the callers call it too large.
TEST(LocaleNumber, ReadsANumberBeyondTheRangeOfADoubleAsAnInfinity)
{
    for (const char *huge : {"1E309", "1E999", "$1E309", "1.5E400000"}) {
        const auto value = LocaleNumber(QString::fromLatin1(huge));
        ASSERT_TRUE(value.has_value()) << huge;
        EXPECT_TRUE(std::isinf(*value) && *value > 0) << huge;
    }
    EXPECT_EQ(LocaleNumber(QStringLiteral("-1E309")), -INFINITY);
    EXPECT_EQ(LocaleNumber(QStringLiteral("($1E309)")), -INFINITY);
    LocaleGuard guard{GermanLocale()};
    EXPECT_EQ(LocaleNumber(QStringLiteral("1E309 \u20ac")), INFINITY);
    EXPECT_EQ(LocaleNumber(QStringLiteral("1,5E309")), INFINITY);
}

// The locales whose four-digit numbers go ungrouped, which Qt groups wrongly above them.
class MinimumGroupingLocale : public ::testing::TestWithParam<const char *> {};

TEST_P(MinimumGroupingLocale, GroupsLongNumbersInFullAndReadsAShortLeadingGroup)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    LocaleGuard guard{locale};
    const QString group = locale.groupSeparator(), point = locale.decimalPoint();
    const QString grouped = u'1' + group + QStringLiteral("209") + group + QStringLiteral("600");
    EXPECT_TRUE(CurrencyText(1209.6).contains(QStringLiteral("1209") + point + QStringLiteral("60")))
        << CurrencyText(1209.6).toStdString();
    EXPECT_TRUE(CurrencyText(1209600).contains(grouped + point + QStringLiteral("00")))
        << CurrencyText(1209600).toStdString();
    EXPECT_EQ(MaskText(1209600, QString::fromLatin1(ResultMask)), grouped);
    const QString thousand = u'1' + group + QStringLiteral("000") + point + QStringLiteral("00");
    EXPECT_EQ(LocaleNumber(thousand), 1000.0) << thousand.toStdString();
    EXPECT_EQ(LocaleNumber(CurrencyText(1209600)), 1209600.0);
}

INSTANTIATE_TEST_SUITE_P(Locales, MinimumGroupingLocale,
                         ::testing::Values("es_ES", "pl_PL", "pt_PT", "bg_BG", "et_EE", "lv_LV", "ka_GE", "be_BY",
                                           "ru_UA", "sq_AL", "sq_MK"),
                         [](const auto &info) { return CaseName(info.param); });

struct AmountCase { const char *locale; double value; const char *expected; };

void PrintTo(const AmountCase &c, std::ostream *os) { *os << c.locale << ' ' << std::setprecision(15) << c.value; }

std::string AmountName(const ::testing::TestParamInfo<AmountCase> &info)
{
    return CaseName(info.param.locale, info.param.value);
}

class CurrencyTextGrouping : public ::testing::TestWithParam<AmountCase> {};

TEST_P(CurrencyTextGrouping, UsesTheLocalesDigitsAndGroupsAtEverySize)
{
    const AmountCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    EXPECT_EQ(CurrencyText(c.value), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Amounts, CurrencyTextGrouping, ::testing::Values(
    AmountCase{"es_ES", 1209.6, "1209,60\u00a0\u20ac"}, AmountCase{"es_ES", 1209600, "1.209.600,00\u00a0\u20ac"},
    AmountCase{"es_ES", 1.2096e15, "1.209.600.000.000.000,00\u00a0\u20ac"},
    AmountCase{"pl_PL", 1209.6, "1209,60\u00a0z\u0142"}, AmountCase{"pl_PL", 1209600, "1\u00a0209\u00a0600,00\u00a0z\u0142"},
    AmountCase{"pl_PL", 1.2096e15, "1\u00a0209\u00a0600\u00a0000\u00a0000\u00a0000,00\u00a0z\u0142"},
    AmountCase{"pl_PL", -1209600, "(1\u00a0209\u00a0600,00\u00a0z\u0142)"},
    AmountCase{"de_DE", 1209.6, "1.209,60\u00a0\u20ac"}, AmountCase{"de_DE", 1209600, "1.209.600,00\u00a0\u20ac"},
    AmountCase{"de_DE", 1.2096e15, "1.209.600.000.000.000,00\u00a0\u20ac"},
    AmountCase{"ar_EG", 1209.6, "\u0661\u066c\u0662\u0660\u0669\u066b\u0666\u0660\u00a0\u062c.\u0645.\u200f"},
    AmountCase{"ar_EG", 1209600, "\u0661\u066c\u0662\u0660\u0669\u066c\u0666\u0660\u0660\u066b\u0660\u0660\u00a0\u062c.\u0645.\u200f"},
    AmountCase{"ar_EG", 1.2096e15, "\u0661\u066c\u0662\u0660\u0669\u066c\u0666\u0660\u0660\u066c\u0660\u0660\u0660\u066c"
                                   "\u0660\u0660\u0660\u066c\u0660\u0660\u0660\u066b\u0660\u0660\u00a0\u062c.\u0645.\u200f"},
    AmountCase{"ar_EG", -1.2096e15, "\u061c-\u0661\u066c\u0662\u0660\u0669\u066c\u0666\u0660\u0660\u066c\u0660\u0660\u0660\u066c"
                                    "\u0660\u0660\u0660\u066c\u0660\u0660\u0660\u066b\u0660\u0660\u00a0\u062c.\u0645.\u200f"},
    AmountCase{"en_IN", 1209.6, "\u20b91,209.60"}, AmountCase{"en_IN", 1209600, "\u20b912,09,600.00"},
    AmountCase{"en_IN", 1.2096e15, "\u20b91,20,96,00,00,00,00,000.00"}), AmountName);

class MaskTextDigits : public ::testing::TestWithParam<AmountCase> {};

TEST_P(MaskTextDigits, DropsTheLocalesOwnZerosAndGroupsAsItGroups)
{
    const AmountCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    EXPECT_EQ(MaskText(c.value, QString::fromLatin1(ResultMask)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Values, MaskTextDigits, ::testing::Values(
    AmountCase{"ar_EG", 2.5, "\u0662\u066b\u0665"}, AmountCase{"fa_IR", 2.5, "\u06f2\u066b\u06f5"},
    AmountCase{"mr_IN", 2.5, "\u0968.\u096b"}, AmountCase{"ar_EG", 12, "\u0661\u0662"},
    AmountCase{"ar_EG", 0.0001, "\u0660\u066b\u0660\u0660\u0660\u0661"}, AmountCase{"mr_IN", 1209600, "\u0967\u0968,\u0966\u096f,\u096c\u0966\u0966"},
    AmountCase{"es_ES", 1209600, "1.209.600"}, AmountCase{"es_ES", 1234.5, "1234,5"},
    AmountCase{"pl_PL", -1209600.25, "-1\u00a0209\u00a0600,25"}), AmountName);

TEST(CurrencyText, UsesTheUsersCurrencyForm)
{
    EXPECT_EQ(CurrencyText(350), QStringLiteral("$350.00"));
    EXPECT_EQ(CurrencyText(4.75), QStringLiteral("$4.75"));
    EXPECT_EQ(CurrencyText(1234567.5), QStringLiteral("$1,234,567.50"));
    EXPECT_EQ(CurrencyText(0), QStringLiteral("$0.00"));
    LocaleGuard guard{GermanLocale()};
    EXPECT_EQ(CurrencyText(350), QStringLiteral("350,00\u00a0\u20ac"));
}

TEST(CurrencyText, RoundsHalfWayAwayFromZeroOnTheDecimalValue)
{
    EXPECT_EQ(CurrencyText(0.015), QStringLiteral("$0.02"));
    EXPECT_EQ(CurrencyText(0.005), QStringLiteral("$0.01"));
    EXPECT_EQ(CurrencyText(0.0149), QStringLiteral("$0.01"));
    EXPECT_EQ(CurrencyText(2.675), QStringLiteral("$2.68"));
    EXPECT_EQ(CurrencyText(-0.015), QStringLiteral("($0.02)")); // the U.S. negative currency form
}

TEST(CurrencyText, ShowsFifteenDigitsOfAHugeAmount)
{
    EXPECT_EQ(CurrencyText(1.5e22), QStringLiteral("$15,000,000,000,000,000,000,000.00"));
    EXPECT_EQ(CurrencyText(-1.23456789012345678e20), QStringLiteral("($123,456,789,012,346,000,000.00)"));
    EXPECT_EQ(CurrencyText(1e15), QStringLiteral("$1,000,000,000,000,000.00"));
    const QString huge = CurrencyText(1e300);
    EXPECT_TRUE(huge.startsWith(QStringLiteral("$1,000,000,000,000,000,000,000,")));
    EXPECT_EQ(huge.count(u'0'), 300 + 2);
    LocaleGuard guard{GermanLocale()};
    EXPECT_EQ(CurrencyText(1.5e22), QStringLiteral("15.000.000.000.000.000.000.000,00\u00a0\u20ac"));
}

// The money panels read back the prices they wrote, and results are rounded through the
// user's symbols: both must hold under every locale Qt knows, and so must reading a number
// as Qt writes it for the locale, in its exponent form too. Qt's own grouping is left out:
// where a locale leaves four-digit numbers ungrouped, Qt merges a short leading group into
// the next ("1234.567" for 1.234.567 under es_ES), a form no one else writes.
TEST(LocaleNumber, ReadsBackWhatEveryLocaleWrites)
{
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : all) {
        LocaleGuard guard{locale};
        QLocale plain = locale;
        plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
        for (double v : {350.0, 4.75, -12.5, 0.75, 1234567.89, 1.5e22, -1.5e-7}) {
            QStringList texts{plain.toString(v, 'g', 15)};
            if (std::fabs(v) >= 0.01) // cents and four decimals hold it
                texts << CurrencyText(v) << MaskText(v, QString::fromLatin1(ResultMask));
            for (const QString &text : texts) {
                const auto back = LocaleNumber(text);
                EXPECT_TRUE(back && *back == v) << locale.name().toStdString() << " reads \""
                                                << text.toStdString() << "\" as "
                                                << (back ? std::to_string(*back) : "no number");
            }
        }
    }
}

TEST(CurrencyText, ReadsBackThroughLocaleNumber)
{
    for (const char *name : {"en_US", "de_DE", "fr_FR", "en_GB"}) {
        LocaleGuard guard{QLocale(QString::fromLatin1(name))};
        for (double v : {350.0, 4.75, 2872.8, 1234567.89, -12.5, 1.5e22, -3e17}) {
            const auto back = LocaleNumber(CurrencyText(v));
            ASSERT_TRUE(back.has_value()) << name << " " << CurrencyText(v).toStdString();
            EXPECT_DOUBLE_EQ(*back, v);
        }
    }
}

struct MaskCase { double value; const char *us; const char *german; };

void PrintTo(const MaskCase &c, std::ostream *os) { *os << std::setprecision(15) << c.value; }

class MaskTextTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskTextTest, GroupsAndKeepsUpToFourDecimals)
{
    const MaskCase c = GetParam();
    const QString mask = QStringLiteral("###,###,##0.####");
    EXPECT_EQ(MaskText(c.value, mask), QString::fromUtf8(c.us));
    LocaleGuard guard{GermanLocale()};
    EXPECT_EQ(MaskText(c.value, mask), QString::fromUtf8(c.german));
}

INSTANTIATE_TEST_SUITE_P(Values, MaskTextTest, ::testing::Values(
    MaskCase{1234.56789, "1,234.5679", "1.234,5679"}, MaskCase{0, "0", "0"}, MaskCase{12, "12", "12"},
    MaskCase{2.5, "2.5", "2,5"}, MaskCase{0.00004, "0", "0"}, MaskCase{-0.00004, "0", "0"},
    MaskCase{0.00005, "0.0001", "0,0001"}, MaskCase{-1234.5, "-1,234.5", "-1.234,5"},
    MaskCase{1e15, "1,000,000,000,000,000", "1.000.000.000.000.000"}),
    [](const auto &info) { return CaseName(info.param.value); });

TEST(RoundHalfAway, RoundsTheFifteenDigitDecimal)
{
    EXPECT_DOUBLE_EQ(RoundHalfAway(0.015, 2), 0.02);
    EXPECT_DOUBLE_EQ(RoundHalfAway(-0.015, 2), -0.02);
    EXPECT_DOUBLE_EQ(RoundHalfAway(9.995, 2), 10.0);
    EXPECT_DOUBLE_EQ(RoundHalfAway(0.004, 2), 0.0);
    EXPECT_DOUBLE_EQ(RoundHalfAway(0.005, 2), 0.01);
    EXPECT_DOUBLE_EQ(RoundHalfAway(1234.56785, 4), 1234.5679);
    EXPECT_DOUBLE_EQ(RoundHalfAway(1e20, 2), 1e20);
    EXPECT_FALSE(std::signbit(RoundHalfAway(-0.001, 2)));
}

} // namespace
