// The amount and the money multiples as typed: a number as the user's settings or the program
// write it, read whole, or with words after it as it would alone; two numbers or a number
// mistyped, refused; anything else by the leading-number rule.
#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "format/Numbers.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"

namespace {

using Reading = Amount::Reading;

// The outcomes: one number under one or both readings, of the whole text or of its head
// before words; two numbers, or a text the user's own settings read two ways; a number
// mistyped; the leading-number rule.
enum class Outcome { Number, WithWords, TwoNumbers, TwoWays, Mistyped, Leading };

struct AmountCase
{
    const char *locale;
    const char *text;
    Outcome outcome;
    double value = 0;             // for Number, WithWords and Leading
    const char *typedAs = nullptr; // how the text differs from a plain one of the same name
};

void PrintTo(const AmountCase &c, std::ostream *os)
{
    *os << c.locale << " \"" << c.text << '"';
    if (c.typedAs)
        *os << " (" << c.typedAs << ')';
}

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
    case Outcome::WithWords:
    case Outcome::Leading:
        ASSERT_EQ(amount.reading, Reading::Leading);
        EXPECT_DOUBLE_EQ(amount.value, c.value);
        break;
    case Outcome::TwoNumbers:
    case Outcome::TwoWays:
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
    // A multiple in the currency form; a sign; an exponent; blanks around the number.
    AmountCase{"en_US", "$2", Number, 2}, AmountCase{"en_US", "+4", Number, 4},
    AmountCase{"en_US", "1E3", Number, 1000}, AmountCase{"en_US", " 2,000 ", Number, 2000},
    AmountCase{"de_DE", "350.00", Number, 350}, AmountCase{"en_US", "-1,000", Number, -1000},
    // Where the locale's own point is ".", three digits after it are decimals.
    AmountCase{"en_US", "1.500", Number, 1.5}, AmountCase{"ja_JP", "1.500", Number, 1.5},
    AmountCase{"hi_IN", "1.500", Number, 1.5}, AmountCase{"de_CH", "1.500", Number, 1.5},
    // Another keyboard's forms of what the region writes: digits of another script, full-width
    // ones, a no-break space, the minus sign U+2212, a direction mark.
    AmountCase{"ar_EG", "\u0661.\u0665", Number, 1.5}, AmountCase{"fa_IR", "\u06f1.\u06f5", Number, 1.5},
    AmountCase{"hi_IN", "\u0968.\u096b", Number, 2.5}, AmountCase{"en_US", "\uff15", Number, 5, "full_width"},
    AmountCase{"en_US", "\U0001d7cf\U0001d7d0", Number, 12, "mathematical_digits"},
    AmountCase{"sv_SE", "\u22122000", Number, -2000, "minus_sign"},
    AmountCase{"ar_AE", "\u200e-0.5", Number, -0.5, "direction_mark"},
    // A point at the end: a number as before where it hides no second reading.
    AmountCase{"en_US", "5.", Number, 5}, AmountCase{"en_US", "2,000.", Number, 2000},
    // A number with words after it reads as it would alone.
    AmountCase{"en_US", "2,000 cubits", WithWords, 2000}, AmountCase{"en_US", "1,234.5 ft", WithWords, 1234.5},
    AmountCase{"en_US", "-1,000 cubits", WithWords, -1000}, AmountCase{"de_DE", "2,5 Ellen", WithWords, 2.5},
    AmountCase{"de_DE", "1.234,5 Ellen", WithWords, 1234.5}, AmountCase{"hi_IN", "1,50,000 cubits", WithWords, 150000},
    AmountCase{"en_US", "12abc", WithWords, 12}, AmountCase{"en_US", "5 cubits", WithWords, 5},
    AmountCase{"en_US", "1E3 feet", WithWords, 1000}, AmountCase{"en_US", "123abc456", WithWords, 123},
    AmountCase{"en_US", "1.5 cubits", WithWords, 1.5}, AmountCase{"de_DE", "2 Finger", WithWords, 2},
    AmountCase{"de_DE", "5 Ellen", WithWords, 5}, AmountCase{"en_US", "12E", WithWords, 12},
    AmountCase{"en_US", "2,000cubits", WithWords, 2000}, AmountCase{"en_US", ".5 cubits", WithWords, 0.5},
    AmountCase{"fr_FR", "1 000 coud\u00e9es", WithWords, 1000}, AmountCase{"en_US", "1,000 shekels", WithWords, 1000},
    AmountCase{"ar_EG", "\u0661\u0662 \u0630\u0631\u0627\u0639", WithWords, 12},
    AmountCase{"fa_IR", "\u06f1\u06f2 cubits", WithWords, 12}, AmountCase{"bn_BD", "\u09e7\u09e8 cubits", WithWords, 12},
    AmountCase{"mr_IN", "\u0967\u0968 cubits", WithWords, 12},
    AmountCase{"hi_IN", "\u0968\u0966\u0966\u0966 cubits", WithWords, 2000},
    AmountCase{"et_EE", "\u22122000 cubits", WithWords, -2000, "minus_sign"},
    AmountCase{"sv_SE", "\u22122000 cubits", WithWords, -2000, "minus_sign"},
    AmountCase{"ar_AE", "\u200e-0.5 cubits", WithWords, -0.5, "direction_mark"},
    AmountCase{"en_US", "\uff15 cubits", WithWords, 5, "full_width"},
    AmountCase{"en_US", "\u00a05 cubits", WithWords, 5},
    // The locale's own exponent sign, its digits in their plain form, then words.
    AmountCase{"sv_SE", "1,5\u00d710^3 alnar", WithWords, 1500},
    AmountCase{"fa_IR", "\u06f1\u00d7\u06f1\u06f0^\u06f3 cubits", WithWords, 1000},
    AmountCase{"ar_EG", "\u0661\u0627\u0633+\u0660\u0663 \u0630\u0631\u0627\u0639", WithWords, 1000},
    // German 2000, or the program's own 2, as a result it showed would be copied; with words
    // after it, or in another keyboard's forms, too.
    AmountCase{"de_DE", "2.000", TwoNumbers}, AmountCase{"de_DE", "12.345", TwoNumbers},
    AmountCase{"de_DE", "1.500", TwoNumbers}, AmountCase{"it_IT", "2.000", TwoNumbers},
    AmountCase{"it_IT", "12.345", TwoNumbers}, AmountCase{"it_IT", "1.500", TwoNumbers},
    AmountCase{"es_ES", "2.000", TwoNumbers}, AmountCase{"es_ES", "12.345", TwoNumbers},
    AmountCase{"es_ES", "1.500", TwoNumbers}, AmountCase{"de_DE", "1,000", TwoNumbers},
    AmountCase{"fr_FR", "1,500", TwoNumbers}, AmountCase{"de_DE", "2.000 Ellen", TwoNumbers},
    AmountCase{"es_ES", "1.234 varas", TwoNumbers}, AmountCase{"it_IT", "2.000 braccia", TwoNumbers},
    AmountCase{"pt_BR", "1.234 c\u00f4vados", TwoNumbers},
    AmountCase{"de_DE", "1,000\u200e", TwoNumbers, 0, "direction_mark"},
    AmountCase{"de_DE", "\u200e1,000", TwoNumbers, 0, "direction_mark_first"},
    AmountCase{"sv_SE", "\u200e1,000", TwoNumbers, 0, "direction_mark_first"},
    AmountCase{"de_DE", "\uff11,\uff10\uff10\uff10", TwoNumbers, 0, "full_width"},
    AmountCase{"de_DE", "\uff12.\uff10\uff10\uff10", TwoNumbers, 0, "full_width"},
    AmountCase{"sv_SE", "\u22121,000", TwoNumbers, 0, "minus_sign"},
    AmountCase{"de_DE", "\u22121,000", TwoNumbers, 0, "minus_sign"},
    // A point at the end hides no second reading.
    AmountCase{"de_DE", "1,000.", TwoNumbers}, AmountCase{"fr_FR", "1,500.", TwoNumbers},
    AmountCase{"de_DE", "1,000. Ellen", TwoNumbers}, AmountCase{"de_DE", "2,5.", Mistyped},
    // A lone "." or "," that is not the locale's own, before a group's digits: the user's
    // settings may read it as a thousand or as decimals.
    AmountCase{"fr_FR", "1.500", TwoWays}, AmountCase{"de_AT", "2.000", TwoWays},
    AmountCase{"ar_LB", "2.000", TwoWays}, AmountCase{"ar_MR", "2.000", TwoWays},
    AmountCase{"ps_AF", "2.000", TwoWays}, AmountCase{"ps_PK", "2.000", TwoWays},
    AmountCase{"de_CH", "1,500", TwoWays}, AmountCase{"ar_EG", "2,000", TwoWays},
    AmountCase{"fr_FR", "1.500 coud\u00e9es", TwoWays},
    AmountCase{"fr_FR", "\uff11.\uff15\uff10\uff10", TwoWays, 0, "full_width"},
    // A number going on with a run of separators and a digit that neither reading takes.
    AmountCase{"en_US", "0,750", Mistyped}, AmountCase{"en_US", "2,5", Mistyped},
    AmountCase{"en_US", "1.500,00", Mistyped}, AmountCase{"en_US", "3 50", Mistyped},
    AmountCase{"hi_IN", "0,750", Mistyped}, AmountCase{"en_US", "1.2.3", Mistyped},
    AmountCase{"en_US", "2,5 cubits", Mistyped}, AmountCase{"en_US", "1'000.5'", Mistyped},
    AmountCase{"de_DE", "1234.567,5", Mistyped}, AmountCase{"de_DE", "2,5,0", Mistyped},
    AmountCase{"ar_EG", "\u0661\u0662\u066c\u0665", Mistyped}, AmountCase{"en_US", "-2 5", Mistyped},
    AmountCase{"en_US", "1,,000", Mistyped}, AmountCase{"en_US", "1, 000", Mistyped},
    AmountCase{"en_US", "1 ,000", Mistyped}, AmountCase{"en_US", "1,.5", Mistyped},
    AmountCase{"de_DE", "1,,000", Mistyped}, AmountCase{"fr_FR", "1, 000", Mistyped},
    AmountCase{"ar_EG", "1,.5", Mistyped}, AmountCase{"en_US", "1,,000 cubits", Mistyped},
    AmountCase{"en_US", "1E3 000", Mistyped}, AmountCase{"en_US", "3 50 cubits", Mistyped},
    // Anything else, by the leading-number rule.
    AmountCase{"en_US", "abc", Leading, 0}, AmountCase{"en_US", "", Leading, 0},
    AmountCase{"en_US", " ", Leading, 0}, AmountCase{"en_US", "$2,5", Leading, 0},
    AmountCase{"en_US", "- 4", Leading, 0}, AmountCase{"en_US", "2,", Leading, 2},
    AmountCase{"en_US", ",500", Leading, 0}),
    [](const auto &info) {
        const AmountCase &c = info.param;
        return c.typedAs ? CaseName(c.locale, Typed(c.text), c.typedAs) : CaseName(c.locale, Typed(c.text));
    });

// A number beyond the range of a double is a number: the converters call it too large.
TEST(AmountNumber, ReadsANumberBeyondADoubleAsAnInfinity)
{
    for (const char *huge : {"1E309", "1,000E999"}) {
        const Amount amount = AmountNumber(QString::fromLatin1(huge));
        EXPECT_EQ(amount.reading, Reading::Whole) << huge;
        EXPECT_TRUE(std::isinf(amount.value) && amount.value > 0) << huge;
    }
}

// The box takes 32,767 characters, a paste into the multiples more: no length ends the rule.
TEST(AmountNumber, ReadsANumberOfAnyLength)
{
    const QString grouped = u'1' + QStringLiteral(",000").repeated(70000);
    const Amount whole = AmountNumber(grouped);
    EXPECT_EQ(whole.reading, Reading::Whole);
    EXPECT_TRUE(std::isinf(whole.value));
    const Amount withWords = AmountNumber(grouped + QStringLiteral(" cubits"));
    EXPECT_EQ(withWords.reading, Reading::Leading);
    EXPECT_TRUE(std::isinf(withWords.value));
    EXPECT_EQ(AmountNumber(grouped + QStringLiteral(",00")).reading, Reading::Refused);
}

} // namespace
