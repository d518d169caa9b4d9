// The amount and the money multiples as typed: a number as the user's settings or the program
// write it, read whole; two numbers or a number mistyped, refused; anything else by the
// leading-number rule.
#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "format/Numbers.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"

namespace {

using Reading = Amount::Reading;

// The four outcomes: one number under one or both readings; two numbers; a number mistyped;
// the leading-number rule.
enum class Outcome { Number, TwoNumbers, Mistyped, Leading };

struct AmountCase
{
    const char *locale;
    const char *text;
    Outcome outcome;
    double value = 0; // for Number and Leading
};

void PrintTo(const AmountCase &c, std::ostream *os) { *os << c.locale << " \"" << c.text << '"'; }

class AmountRule : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountRule, ReadsTheNumberMeantOrRefusesIt)
{
    const AmountCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    const Amount amount = AmountNumber(QString::fromUtf8(c.text));
    switch (c.outcome) {
    case Outcome::Number:
        ASSERT_EQ(amount.reading, Reading::Whole);
        EXPECT_DOUBLE_EQ(amount.value, c.value);
        break;
    case Outcome::Leading:
        ASSERT_EQ(amount.reading, Reading::Leading);
        EXPECT_DOUBLE_EQ(amount.value, c.value);
        // What the leading-number rule gave before the rule existed, unchanged.
        EXPECT_DOUBLE_EQ(amount.value, LeadingNumber(QString::fromUtf8(c.text)));
        break;
    case Outcome::TwoNumbers:
    case Outcome::Mistyped:
        EXPECT_EQ(amount.reading, Reading::Refused) << "read as " << amount.value;
        break;
    }
}

using enum Outcome;

INSTANTIATE_TEST_SUITE_P(Regions, AmountRule, ::testing::Values(
    // Numbers as the region writes them, or as the program does.
    AmountCase{"en_US", "2,000", Number, 2000}, AmountCase{"en_GB", "2,000", Number, 2000},
    AmountCase{"en_US", "1,000.5", Number, 1000.5}, AmountCase{"en_GB", "1,000.5", Number, 1000.5},
    AmountCase{"en_US", "12,345,678", Number, 12345678}, AmountCase{"en_GB", "12,345,678", Number, 12345678},
    AmountCase{"de_DE", "2,5", Number, 2.5}, AmountCase{"fr_FR", "2,5", Number, 2.5},
    AmountCase{"sv_SE", "2,5", Number, 2.5}, AmountCase{"de_DE", "0,75", Number, 0.75},
    AmountCase{"fr_FR", "0,75", Number, 0.75}, AmountCase{"sv_SE", "0,75", Number, 0.75},
    AmountCase{"de_DE", "1.234,5", Number, 1234.5}, AmountCase{"de_DE", "1.234.567", Number, 1234567},
    AmountCase{"fr_FR", "1 000", Number, 1000}, AmountCase{"hi_IN", "1,50,000", Number, 150000},
    AmountCase{"de_CH", "1'000", Number, 1000}, AmountCase{"de_CH", "1\u2019000", Number, 1000},
    AmountCase{"ar_EG", "\u0661\u0662", Number, 12}, AmountCase{"ar_EG", "\u0662\u066b\u0665", Number, 2.5},
    AmountCase{"fa_IR", "\u06f1\u06f2", Number, 12}, AmountCase{"fa_IR", "\u06f2\u066b\u06f5", Number, 2.5},
    // The program's own reading where the region's refuses: "1.500" may be 1500 or 1.5 in French.
    AmountCase{"fr_FR", "1.500", Number, 1.5},
    // A multiple in the currency form; a sign; an exponent; blanks around the number.
    AmountCase{"en_US", "$2", Number, 2}, AmountCase{"en_US", "+4", Number, 4},
    AmountCase{"en_US", "1E3", Number, 1000}, AmountCase{"en_US", " 2,000 ", Number, 2000},
    AmountCase{"de_DE", "350.00", Number, 350}, AmountCase{"en_US", "-1,000", Number, -1000},
    // German 2000, or the program's own 2, as a result it showed would be copied.
    AmountCase{"de_DE", "2.000", TwoNumbers}, AmountCase{"de_DE", "12.345", TwoNumbers},
    AmountCase{"de_DE", "1.500", TwoNumbers}, AmountCase{"it_IT", "2.000", TwoNumbers},
    AmountCase{"it_IT", "12.345", TwoNumbers}, AmountCase{"it_IT", "1.500", TwoNumbers},
    AmountCase{"es_ES", "2.000", TwoNumbers}, AmountCase{"es_ES", "12.345", TwoNumbers},
    AmountCase{"es_ES", "1.500", TwoNumbers}, AmountCase{"de_DE", "1,000", TwoNumbers},
    AmountCase{"fr_FR", "1,500", TwoNumbers},
    // A number going on with a separator and a digit that neither reading takes.
    AmountCase{"en_US", "0,750", Mistyped}, AmountCase{"en_US", "2,5", Mistyped},
    AmountCase{"en_US", "1.500,00", Mistyped}, AmountCase{"en_US", "3 50", Mistyped},
    AmountCase{"hi_IN", "0,750", Mistyped}, AmountCase{"en_US", "1.2.3", Mistyped},
    AmountCase{"en_US", "2,5 cubits", Mistyped}, AmountCase{"en_US", "1'000.5'", Mistyped},
    AmountCase{"de_DE", "1234.567,5", Mistyped}, AmountCase{"de_DE", "2,5,0", Mistyped},
    AmountCase{"ar_EG", "\u0661\u0662\u066c\u0665", Mistyped}, AmountCase{"en_US", "-2 5", Mistyped},
    // Anything else, by the leading-number rule.
    AmountCase{"en_US", "12abc", Leading, 12}, AmountCase{"en_US", "5 cubits", Leading, 5},
    AmountCase{"en_US", "abc", Leading, 0}, AmountCase{"en_US", "", Leading, 0},
    AmountCase{"en_US", " ", Leading, 0}, AmountCase{"en_US", "1.5 cubits", Leading, 1.5},
    AmountCase{"en_US", "$2,5", Leading, 0}, AmountCase{"en_US", "- 4", Leading, 0},
    AmountCase{"en_US", "12E", Leading, 12}, AmountCase{"de_DE", "2 Finger", Leading, 2},
    AmountCase{"en_US", "5.", Number, 5}, AmountCase{"en_US", "2,", Leading, 2}),
    [](const auto &info) { return CaseName(info.param.locale, Typed(info.param.text)); });

// A number beyond the range of a double is a number: the converters call it too large.
TEST(AmountNumber, ReadsANumberBeyondADoubleAsAnInfinity)
{
    for (const char *huge : {"1E309", "1,000E999"}) {
        const Amount amount = AmountNumber(QString::fromLatin1(huge));
        EXPECT_EQ(amount.reading, Reading::Whole) << huge;
        EXPECT_TRUE(std::isinf(amount.value) && amount.value > 0) << huge;
    }
}

} // namespace
