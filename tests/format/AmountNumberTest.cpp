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

// The reading checked is the one the callers tell apart: a whole number, which the small coins
// take alone; the number before words or the leading-number rule's; a refusal, for two numbers,
// a text the user's settings read two ways, or a number mistyped.
struct AmountCase
{
    const char *locale;
    const char *text;
    Reading reading;
    double value = 0;              // for Whole and Leading
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
    const Amount amount = AmountNumber(TypedUtf8(c.text));
    ASSERT_EQ(amount.reading, c.reading) << "read as " << amount.value;
    if (c.reading != Reading::Refused)
        EXPECT_DOUBLE_EQ(amount.value, c.value);
}

using enum Amount::Reading;

INSTANTIATE_TEST_SUITE_P(Regions, AmountRule, ::testing::Values(
    // Numbers as the region writes them, or as the program does.
    AmountCase{"en_US", "2,000", Whole, 2000}, AmountCase{"en_GB", "2,000", Whole, 2000},
    AmountCase{"en_US", "1,000.5", Whole, 1000.5}, AmountCase{"en_GB", "1,000.5", Whole, 1000.5},
    AmountCase{"en_US", "12,345,678", Whole, 12345678}, AmountCase{"en_GB", "12,345,678", Whole, 12345678},
    AmountCase{"de_DE", "2,5", Whole, 2.5}, AmountCase{"fr_FR", "2,5", Whole, 2.5},
    AmountCase{"sv_SE", "2,5", Whole, 2.5}, AmountCase{"de_DE", "0,75", Whole, 0.75},
    AmountCase{"fr_FR", "0,75", Whole, 0.75}, AmountCase{"sv_SE", "0,75", Whole, 0.75},
    AmountCase{"de_DE", "1.234,5", Whole, 1234.5}, AmountCase{"de_DE", "1.234.567", Whole, 1234567},
    AmountCase{"fr_FR", "1 000", Whole, 1000}, AmountCase{"hi_IN", "1,50,000", Whole, 150000},
    AmountCase{"de_CH", "1'000", Whole, 1000}, AmountCase{"de_CH", "1\u2019000", Whole, 1000},
    AmountCase{"ar_EG", "\u0661\u0662", Whole, 12}, AmountCase{"ar_EG", "\u0662\u066b\u0665", Whole, 2.5},
    AmountCase{"fa_IR", "\u06f1\u06f2", Whole, 12}, AmountCase{"fa_IR", "\u06f2\u066b\u06f5", Whole, 2.5},
    // A multiple in the currency form; a sign; an exponent; blanks around the number.
    AmountCase{"en_US", "$2", Whole, 2}, AmountCase{"en_US", "+4", Whole, 4},
    AmountCase{"en_US", "1E3", Whole, 1000}, AmountCase{"en_US", " 2,000 ", Whole, 2000},
    AmountCase{"de_DE", "350.00", Whole, 350}, AmountCase{"en_US", "-1,000", Whole, -1000},
    // Where the locale's own point is ".", three digits after it are decimals.
    AmountCase{"en_US", "1.500", Whole, 1.5}, AmountCase{"ja_JP", "1.500", Whole, 1.5},
    AmountCase{"hi_IN", "1.500", Whole, 1.5}, AmountCase{"de_CH", "1.500", Whole, 1.5},
    // Another keyboard's forms of what the region writes: digits of another script, full-width
    // ones, a no-break space, the minus sign U+2212, a direction mark.
    AmountCase{"ar_EG", "\u0661.\u0665", Whole, 1.5}, AmountCase{"fa_IR", "\u06f1.\u06f5", Whole, 1.5},
    AmountCase{"hi_IN", "\u0968.\u096b", Whole, 2.5}, AmountCase{"en_US", "\uff15", Whole, 5, "full_width"},
    AmountCase{"en_US", "\U0001d7cf\U0001d7d0", Whole, 12, "mathematical_digits"},
    AmountCase{"sv_SE", "\u22122000", Whole, -2000, "minus_sign"},
    AmountCase{"ar_AE", "\u200e-0.5", Whole, -0.5, "direction_mark"},
    // A point at the end: a number as before where it hides no second reading.
    AmountCase{"en_US", "5.", Whole, 5}, AmountCase{"en_US", "2,000.", Whole, 2000},
    // A number with words after it reads as it would alone.
    AmountCase{"en_US", "2,000 cubits", Leading, 2000}, AmountCase{"en_US", "1,234.5 ft", Leading, 1234.5},
    AmountCase{"en_US", "-1,000 cubits", Leading, -1000}, AmountCase{"de_DE", "2,5 Ellen", Leading, 2.5},
    AmountCase{"de_DE", "1.234,5 Ellen", Leading, 1234.5}, AmountCase{"hi_IN", "1,50,000 cubits", Leading, 150000},
    AmountCase{"en_US", "12abc", Leading, 12}, AmountCase{"en_US", "5 cubits", Leading, 5},
    AmountCase{"en_US", "1E3 feet", Leading, 1000}, AmountCase{"en_US", "123abc456", Leading, 123},
    AmountCase{"en_US", "1.5 cubits", Leading, 1.5}, AmountCase{"de_DE", "2 Finger", Leading, 2},
    AmountCase{"de_DE", "5 Ellen", Leading, 5}, AmountCase{"en_US", "12E", Leading, 12},
    AmountCase{"en_US", "2,000cubits", Leading, 2000}, AmountCase{"en_US", ".5 cubits", Leading, 0.5},
    AmountCase{"fr_FR", "1 000 coud\u00e9es", Leading, 1000}, AmountCase{"en_US", "1,000 shekels", Leading, 1000},
    AmountCase{"ar_EG", "\u0661\u0662 \u0630\u0631\u0627\u0639", Leading, 12},
    AmountCase{"fa_IR", "\u06f1\u06f2 cubits", Leading, 12}, AmountCase{"bn_BD", "\u09e7\u09e8 cubits", Leading, 12},
    AmountCase{"mr_IN", "\u0967\u0968 cubits", Leading, 12},
    AmountCase{"hi_IN", "\u0968\u0966\u0966\u0966 cubits", Leading, 2000},
    AmountCase{"et_EE", "\u22122000 cubits", Leading, -2000, "minus_sign"},
    AmountCase{"sv_SE", "\u22122000 cubits", Leading, -2000, "minus_sign"},
    AmountCase{"ar_AE", "\u200e-0.5 cubits", Leading, -0.5, "direction_mark"},
    AmountCase{"en_US", "\uff15 cubits", Leading, 5, "full_width"},
    AmountCase{"en_US", "\u00a05 cubits", Leading, 5},
    // The locale's own exponent sign, its digits in their plain form, then words.
    AmountCase{"sv_SE", "1,5\u00d710^3 alnar", Leading, 1500},
    AmountCase{"fa_IR", "\u06f1\u00d7\u06f1\u06f0^\u06f3 cubits", Leading, 1000},
    AmountCase{"ar_EG", "\u0661\u0627\u0633+\u0660\u0663 \u0630\u0631\u0627\u0639", Leading, 1000},
    // German 2000, or the program's own 2, as a result it showed would be copied; with words
    // after it, or in another keyboard's forms, too.
    AmountCase{"de_DE", "2.000", Refused}, AmountCase{"de_DE", "12.345", Refused},
    AmountCase{"de_DE", "1.500", Refused}, AmountCase{"it_IT", "2.000", Refused},
    AmountCase{"it_IT", "12.345", Refused}, AmountCase{"it_IT", "1.500", Refused},
    AmountCase{"es_ES", "2.000", Refused}, AmountCase{"es_ES", "12.345", Refused},
    AmountCase{"es_ES", "1.500", Refused}, AmountCase{"de_DE", "1,000", Refused},
    AmountCase{"fr_FR", "1,500", Refused}, AmountCase{"de_DE", "2.000 Ellen", Refused},
    AmountCase{"es_ES", "1.234 varas", Refused}, AmountCase{"it_IT", "2.000 braccia", Refused},
    AmountCase{"pt_BR", "1.234 c\u00f4vados", Refused},
    AmountCase{"de_DE", "1,000\u200e", Refused, 0, "direction_mark"},
    AmountCase{"de_DE", "\u200e1,000", Refused, 0, "direction_mark_first"},
    AmountCase{"sv_SE", "\u200e1,000", Refused, 0, "direction_mark_first"},
    AmountCase{"de_DE", "\uff11,\uff10\uff10\uff10", Refused, 0, "full_width"},
    AmountCase{"de_DE", "\uff12.\uff10\uff10\uff10", Refused, 0, "full_width"},
    AmountCase{"sv_SE", "\u22121,000", Refused, 0, "minus_sign"},
    AmountCase{"de_DE", "\u22121,000", Refused, 0, "minus_sign"},
    // A point at the end hides no second reading.
    AmountCase{"de_DE", "1,000.", Refused}, AmountCase{"fr_FR", "1,500.", Refused},
    AmountCase{"de_DE", "1,000. Ellen", Refused}, AmountCase{"de_DE", "2,5.", Refused},
    // A lone "." or "," that is not the locale's own, before a group's digits: the user's
    // settings may read it as a thousand or as decimals.
    AmountCase{"fr_FR", "1.500", Refused}, AmountCase{"de_AT", "2.000", Refused},
    AmountCase{"ar_LB", "2.000", Refused}, AmountCase{"ar_MR", "2.000", Refused},
    AmountCase{"ps_AF", "2.000", Refused}, AmountCase{"ps_PK", "2.000", Refused},
    AmountCase{"de_CH", "1,500", Refused}, AmountCase{"ar_EG", "2,000", Refused},
    AmountCase{"fr_FR", "1.500 coud\u00e9es", Refused},
    AmountCase{"fr_FR", "\uff11.\uff15\uff10\uff10", Refused, 0, "full_width"},
    // A number is cut only where words begin: one that goes on with a digit before any letter
    // is mistyped. A run of separators and a digit that neither reading takes.
    AmountCase{"en_US", "0,750", Refused}, AmountCase{"en_US", "2,5", Refused},
    AmountCase{"en_US", "1.500,00", Refused}, AmountCase{"en_US", "3 50", Refused},
    AmountCase{"hi_IN", "0,750", Refused}, AmountCase{"en_US", "1.2.3", Refused},
    AmountCase{"en_US", "2,5 cubits", Refused}, AmountCase{"en_US", "1'000.5'", Refused},
    AmountCase{"de_DE", "1234.567,5", Refused}, AmountCase{"de_DE", "2,5,0", Refused},
    AmountCase{"ar_EG", "\u0661\u0662\u066c\u0665", Refused}, AmountCase{"en_US", "-2 5", Refused},
    AmountCase{"en_US", "1,,000", Refused}, AmountCase{"en_US", "1, 000", Refused},
    AmountCase{"en_US", "1 ,000", Refused}, AmountCase{"en_US", "1,.5", Refused},
    AmountCase{"de_DE", "1,,000", Refused}, AmountCase{"fr_FR", "1, 000", Refused},
    AmountCase{"ar_EG", "1,.5", Refused}, AmountCase{"en_US", "1,,000 cubits", Refused},
    AmountCase{"en_US", "1E3 000", Refused}, AmountCase{"en_US", "3 50 cubits", Refused},
    // A fraction, a range, a time, a power; another script's point, from an input method in its
    // full-width mode; the digit after a head that reads alone, or after the leading number.
    AmountCase{"en_US", "1/2", Refused}, AmountCase{"en_US", "3/4 ft", Refused},
    AmountCase{"en_US", "1\u00bd", Refused}, AmountCase{"en_US", "1 \u00bd", Refused},
    AmountCase{"en_US", "5\u00bc cubits", Refused}, AmountCase{"en_US", "2-3", Refused},
    AmountCase{"en_US", "10-12 cubits", Refused}, AmountCase{"en_US", "1:30", Refused},
    AmountCase{"en_US", "2\u00d710^3", Refused}, AmountCase{"en_US", "2\u00b2", Refused},
    AmountCase{"ja_JP", "\uff11\u3002\uff15", Refused, 0, "full_width"}, AmountCase{"ja_JP", "1\u30025", Refused},
    AmountCase{"zh_CN", "\uff11\u3001\uff10\uff10\uff10", Refused}, AmountCase{"zh_CN", "\uff11\u3002\uff15", Refused, 0, "full_width"},
    AmountCase{"de_DE", "1,5-2", Refused}, AmountCase{"de_DE", "0,5/2", Refused},
    AmountCase{"fa_IR", "\u06f2/\u06f5", Refused}, AmountCase{"en_US", "2,000-3,000 cubits", Refused},
    AmountCase{"en_US", "2 \u2160", Refused, 0, "roman_numeral"},
    AmountCase{"en_US", "1\U00010107", Refused, 0, "aegean_number"},
    // No number at the start, and a digit before any letter.
    AmountCase{"en_US", "- 4", Refused}, AmountCase{"en_US", ",500", Refused}, AmountCase{"en_US", ". 5", Refused},
    AmountCase{"en_US", "\u20132", Refused, 0, "en_dash"}, AmountCase{"en_US", "$2,000 cubits", Refused},
    AmountCase{"en_US", "$1,,000", Refused}, AmountCase{"en_US", "~2,000", Refused},
    AmountCase{"en_US", "$2,5", Refused}, AmountCase{"de_AT", "\u20ac 2.000", Refused},
    // The leading number says what it says alone: two numbers, whatever follows it. ("2.000," is
    // a German number: its comma is the decimal point.)
    AmountCase{"de_DE", "2.000,, Ellen", Refused}, AmountCase{"de_DE", "2.000' Ellen", Refused},
    AmountCase{"fr_FR", "1.500,, coud\u00e9es", Refused}, AmountCase{"de_DE", "1.5,, Ellen", Leading, 1.5},
    AmountCase{"de_DE", "2.000, Ellen", Leading, 2000},
    // The Arabic decimal and thousands separators mean one thing, under settings not theirs too.
    AmountCase{"en_US", "\u0661\u0662\u066b\u0665", Whole, 12.5}, AmountCase{"en_US", "\u0662\u066c\u0660\u0660\u0660", Whole, 2000},
    AmountCase{"en_US", "\u06f1\u06f2\u066b\u06f5 cubits", Leading, 12.5},
    AmountCase{"en_US", "1\u066c000", Whole, 1000}, AmountCase{"en_US", "1\u066b5", Whole, 1.5},
    AmountCase{"de_DE", "\u0662\u066c\u0660\u0660\u0660", Whole, 2000}, AmountCase{"de_DE", "1\u066c000", Whole, 1000},
    AmountCase{"de_DE", "1\u066b5", Whole, 1.5}, AmountCase{"de_DE", "12\u066b500", Whole, 12.5},
    AmountCase{"sv_SE", "1\u066c000", Whole, 1000}, AmountCase{"sv_SE", "1\u066b5", Whole, 1.5},
    AmountCase{"sv_SE", "\u0661\u0662\u066b\u0665", Whole, 12.5},
    // Invisible characters from a paste are dropped: the number is that of the text without them.
    AmountCase{"en_US", "2\u200b000", Whole, 2000}, AmountCase{"en_US", "\u20602,000 cubits", Leading, 2000},
    AmountCase{"en_US", "\ufeff1,500", Whole, 1500}, AmountCase{"he_IL", "\u202a2,000\u202c", Whole, 2000},
    AmountCase{"ar_EG", "\u2066\u0661\u0662\u2069 \u0630\u0631\u0627\u0639", Leading, 12},
    AmountCase{"de_DE", "2\u200b.000", Refused}, AmountCase{"de_DE", "2\u00ad,5 Ellen", Leading, 2.5},
    AmountCase{"en_US", "\u20602", Whole, 2}, AmountCase{"en_US", "2\U000e0001000", Whole, 2000, "language_tag"},
    AmountCase{"en_US", "\u200e", Leading, 0, "direction_mark_alone"},
    // An exponent after the user's own decimal point, before words as alone.
    AmountCase{"de_DE", "1,E3", Whole, 1000}, AmountCase{"de_DE", "1,E3 Ellen", Leading, 1000},
    // Anything else, by the leading-number rule, where words begin after its number or no digit
    // comes before them.
    AmountCase{"en_US", "abc", Leading, 0}, AmountCase{"en_US", "", Leading, 0},
    AmountCase{"en_US", " ", Leading, 0}, AmountCase{"en_US", "2,", Leading, 2},
    AmountCase{"en_US", "ca. 2", Leading, 0}, AmountCase{"en_US", "5 cubits (2)", Leading, 5},
    AmountCase{"en_US", "1.5 lakh", Leading, 1.5}, AmountCase{"en_US", "2000m", Leading, 2000},
    AmountCase{"en_US", "3.5%", Leading, 3.5}, AmountCase{"en_US", "(2)", Whole, -2},
    AmountCase{"en_US", "5 \U0001d41c", Leading, 5, "mathematical_letter"}),
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
