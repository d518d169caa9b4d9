#include <cfloat>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "format/FormatResult.h"
#include "format/Numbers.h"
#include "support/LocaleGuard.h"

namespace {

struct LeadingCase { const char *text; double expected; };

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestLeadingNumber)
{
    const LeadingCase c = GetParam();
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest, ::testing::Values(
    LeadingCase{"", 0}, LeadingCase{" ", 0}, LeadingCase{"   ", 0}, LeadingCase{"abc", 0},
    LeadingCase{"12abc", 12}, LeadingCase{"2,5", 2}, LeadingCase{"1,5", 1},
    LeadingCase{"  42", 42}, LeadingCase{"\t7", 7}, LeadingCase{"-2", -2}, LeadingCase{"+3.5", 3.5},
    LeadingCase{"-", 0}, LeadingCase{".", 0}, LeadingCase{".75", 0.75}, LeadingCase{"-.5", -0.5},
    LeadingCase{"1.2.3", 1.2}, LeadingCase{"1E3", 1000}, LeadingCase{"1e3", 1000},
    LeadingCase{"1.5E-07", 1.5e-7}, LeadingCase{"2E+2x", 200}, LeadingCase{"12E", 12},
    LeadingCase{"12E+", 12}, LeadingCase{"3 4", 3}, LeadingCase{"- 4", 0},
    LeadingCase{"0.0208333333333333", 0.0208333333333333}, LeadingCase{"1E-999", 0},
    LeadingCase{"1000E-330", 0}, LeadingCase{"-1E-999", 0}, LeadingCase{"4E-320", 4e-320},
    LeadingCase{"1.7976931348623157E308", DBL_MAX}, LeadingCase{"0.001E311", 1e308}));

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
    TextCase{1234567.891, "1234567.891", " 1234567.891"}, TextCase{1e300, "1E+300", " 1E+300"}));

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

struct LocaleCase { const char *locale; const char *text; double expected; };

class LocaleNumberReads : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNumberReads, TheUsersNumbersAndAmounts)
{
    const LocaleCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    const auto value = LocaleNumber(QString::fromUtf8(c.text));
    ASSERT_TRUE(value.has_value()) << c.text << " under " << c.locale;
    EXPECT_DOUBLE_EQ(*value, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, LocaleNumberReads, ::testing::Values(
    LocaleCase{"en_US", "1,234.5679", 1234.5679}, LocaleCase{"en_US", "$350.00", 350},
    LocaleCase{"en_US", "350.00", 350}, LocaleCase{"en_US", "4.75", 4.75},
    LocaleCase{"en_US", " 12 ", 12}, LocaleCase{"en_US", "-$5.00", -5}, LocaleCase{"en_US", "($5.00)", -5},
    LocaleCase{"en_US", "1000", 1000},
    LocaleCase{"de_DE", "1.234,5679", 1234.5679}, LocaleCase{"de_DE", "350,00\u00a0\u20ac", 350},
    LocaleCase{"de_DE", "350.00", 350}, LocaleCase{"de_DE", "4.75", 4.75}, LocaleCase{"de_DE", "-5,00\u00a0\u20ac", -5},
    // Direction marks around the minus and in the symbol; a form with the ISO code; a
    // symbol with a blank of its own.
    LocaleCase{"he_IL", "\u200e-2", -2}, LocaleCase{"ar_EG", "\u061c-\u0661\u0662\u066b\u0665", -12.5},
    LocaleCase{"ar_AE", "\u062f.\u0625.\u200f350.00", 350}, LocaleCase{"it_CH", "350.00\u00a0CHF", 350},
    LocaleCase{"en_CH", "CHF\u00a0350.00", 350}, LocaleCase{"fr_SN", "350,00\u00a0F\u202fCFA", 350},
    // The locale's own forms, with the blanks a user types in place of no-break ones, or
    // without the blank that parts the symbol from the number.
    LocaleCase{"en_US", "$-5.00", -5}, LocaleCase{"en_US", "(5.00)", -5}, LocaleCase{"en_US", "USD350.00", 350},
    LocaleCase{"en_US", "$1,234.50", 1234.5}, LocaleCase{"en_US", "-1,234.5", -1234.5},
    LocaleCase{"de_DE", "350,00 \u20ac", 350}, LocaleCase{"de_DE", "350,00\u20ac", 350},
    LocaleCase{"de_DE", "350,00 EUR", 350}, LocaleCase{"de_DE", "1.234,50 \u20ac", 1234.5},
    LocaleCase{"de_DE", "350.00 \u20ac", 350},
    LocaleCase{"fr_FR", "1 234,5", 1234.5}, LocaleCase{"fr_FR", "1\u202f234,50\u00a0\u20ac", 1234.5},
    LocaleCase{"fr_FR", "350,00\u20ac", 350}, LocaleCase{"fr_FR", "(5,00 \u20ac)", -5},
    LocaleCase{"fr_FR", "-5,00 \u20ac", -5}, LocaleCase{"fr_FR", "350.00", 350}));

class LocaleNumberFails : public ::testing::TestWithParam<const char *> {};

TEST_P(LocaleNumberFails, OnTextThatIsNoNumber)
{
    EXPECT_FALSE(LocaleNumber(QString::fromUtf8(GetParam())).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Texts, LocaleNumberFails,
                         ::testing::Values("", " ", "abc", "$", "12abc", "1E999", "nan", "inf"));

// A blank, a symbol or a sign where the user's settings put none is no number, not a
// number with that character taken out ("3 50" is not 350).
struct NoNumberCase { const char *locale; const char *text; };

class LocaleNumberRejects : public ::testing::TestWithParam<NoNumberCase> {};

TEST_P(LocaleNumberRejects, WhatTheUsersSettingsDoNotWrite)
{
    const NoNumberCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    const auto value = LocaleNumber(QString::fromUtf8(c.text));
    EXPECT_FALSE(value.has_value()) << '"' << c.text << "\" under " << c.locale << " reads as " << *value;
}

INSTANTIATE_TEST_SUITE_P(Texts, LocaleNumberRejects, ::testing::Values(
    NoNumberCase{"en_US", "3 50"}, NoNumberCase{"en_US", "1 2 3"}, NoNumberCase{"en_US", "$350.00$"},
    NoNumberCase{"en_US", "- 5"}, NoNumberCase{"en_US", "$ 350.00"}, NoNumberCase{"en_US", "350.00 $"},
    NoNumberCase{"en_US", "350.00$"}, NoNumberCase{"en_US", "$$5"}, NoNumberCase{"en_US", "$3 50"},
    NoNumberCase{"en_US", "1,2,3"}, NoNumberCase{"en_US", "12,34"}, NoNumberCase{"en_US", "($-5.00)"},
    NoNumberCase{"en_US", "--5"}, NoNumberCase{"en_US", "-$-5"}, NoNumberCase{"en_US", "( 5.00)"},
    NoNumberCase{"en_US", "5-"}, NoNumberCase{"en_US", "USD 350.00"}, NoNumberCase{"en_US", "$USD5"},
    NoNumberCase{"de_DE", "\u20ac\u20ac5"}, NoNumberCase{"de_DE", "5 \u20ac\u20ac"},
    NoNumberCase{"de_DE", "\u20ac5"}, NoNumberCase{"de_DE", "3 50"}, NoNumberCase{"de_DE", "- 5"},
    NoNumberCase{"de_DE", "1 234,5"}, NoNumberCase{"de_DE", "5,00 \u20ac \u20ac"},
    NoNumberCase{"de_DE", "5,00  \u20ac"}, NoNumberCase{"de_DE", "-5,00 EUR \u20ac"},
    NoNumberCase{"fr_FR", "\u20ac\u20ac5"}, NoNumberCase{"fr_FR", "\u20ac5"}, NoNumberCase{"fr_FR", "5 \u20ac \u20ac"},
    NoNumberCase{"fr_FR", "3 50"}, NoNumberCase{"fr_FR", "- 5"}, NoNumberCase{"fr_FR", "5,00\u20ac\u20ac"},
    NoNumberCase{"fr_FR", "1 2 3"}, NoNumberCase{"fr_FR", "(-5,00 \u20ac)"}));

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
// user's symbols: both must hold under every locale Qt knows.
TEST(LocaleNumber, ReadsBackWhatEveryLocaleWrites)
{
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : all) {
        LocaleGuard guard{locale};
        for (double v : {350.0, 4.75, -12.5, 1234567.89, 1.5e22}) {
            for (const QString &text : {CurrencyText(v), MaskText(v, QString::fromLatin1(ResultMask))}) {
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
    MaskCase{1e15, "1,000,000,000,000,000", "1.000.000.000.000.000"}));

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
