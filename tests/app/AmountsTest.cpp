// The amount and the money multiples, typed as people write numbers, through the real window:
// read whole, or refused with a message where the text says two numbers or is mistyped.
#include <optional>

#include "catalog/MeasurementTypes.h"
#include "catalog/Messages.h"
#include "catalog/UnitNames.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

struct AmountCase
{
    const char *what;
    const char *locale;
    QString from;
    QString to;
    const char *amount;
    std::optional<QString> result; // none: the amount is refused
};

void PrintTo(const AmountCase &c, std::ostream *os) { *os << c.what; }

// The user's settings are pinned before the window exists, as they are at start-up.
class TypedAmount : public WindowTest, public ::testing::WithParamInterface<AmountCase>
{
protected:
    LocaleGuard guard{QLocale(QString::fromLatin1(GetParam().locale))};
};

TEST_P(TypedAmount, ConvertsTheNumberMeantOrAsksForOne)
{
    const AmountCase c = GetParam();
    Pick("Combo1", measure::Linear);
    Pick("Combo2", c.from);
    Pick("Combo3", c.to);
    Line("Text1")->setText(QString::fromUtf8(c.amount)); // keyClicks types no Arabic digits
    Line("text3")->setText(QStringLiteral("an earlier result"));
    Box("Text2")->setText(QStringLiteral("an earlier sentence"));
    List("Combo3")->setFocus();
    ClickConvert();
    if (c.result) {
        EXPECT_EQ(Box("Text2")->text(), QString::fromUtf8(c.amount) + "  " + c.from + "  =  " + *c.result + "  " + c.to);
        EXPECT_TRUE(seams.messages.isEmpty());
    } else {
        EXPECT_TRUE(Box("Text2")->text().isEmpty());
        EXPECT_EQ(Line("text3")->text(), QStringLiteral("an earlier result"));
        ASSERT_EQ(seams.messages.size(), 1);
        EXPECT_EQ(seams.messages[0].title, catalog::OopsTitle);
        EXPECT_EQ(seams.messages[0].text, catalog::EnterANumberMessage);
    }
    EXPECT_TRUE(AmountHasFocus());
}

INSTANTIATE_TEST_SUITE_P(Regions, TypedAmount, ::testing::Values(
    // The Sabbath day's journey, grouped as the program and the home settings write it.
    AmountCase{"Grouped_thousands_en_US", "en_US", unit::CubitHebrewOT, unit::Feet, "2,000", "3000.00000000"},
    AmountCase{"Decimal_comma_de_DE", "de_DE", unit::Finger, unit::Inches, "2,5", "1.875"},
    AmountCase{"Own_digits_ar_EG", "ar_EG", unit::Finger, unit::Inches, "\u0661\u0662", "9.00000000"},
    // A number with words after it, as it would read alone.
    AmountCase{"Number_then_words_en_US", "en_US", unit::CubitHebrewOT, unit::Feet, "2,000 cubits", "3000.00000000"},
    AmountCase{"Own_digits_then_words_ar_EG", "ar_EG", unit::CubitHebrewOT, unit::Feet,
               "\u0661\u0662 \u0630\u0631\u0627\u0639", "18.00000000"},
    AmountCase{"Devanagari_digits_hi_IN", "hi_IN", unit::Finger, unit::Inches, "\u0968.\u096b", "1.875"},
    // German 2000, or the program's own 2.
    AmountCase{"Two_numbers_de_DE", "de_DE", unit::CubitHebrewOT, unit::Feet, "2.000", std::nullopt},
    AmountCase{"Two_numbers_then_words_de_DE", "de_DE", unit::CubitHebrewOT, unit::Feet, "2.000 Ellen", std::nullopt},
    // French settings read "1.500" as 1500 or as 1.5.
    AmountCase{"Point_the_region_reads_two_ways_fr_FR", "fr_FR", unit::Finger, unit::Inches, "1.500", std::nullopt},
    AmountCase{"Mistyped_en_US", "en_US", unit::Finger, unit::Inches, "1,,000", std::nullopt},
    AmountCase{"Decimal_comma_en_US", "en_US", unit::Finger, unit::Inches, "2,5", std::nullopt},
    AmountCase{"Group_after_a_leading_zero_en_US", "en_US", unit::Span, unit::Feet, "0,750", std::nullopt},
    AmountCase{"Number_then_words_de_DE", "de_DE", unit::Finger, unit::Inches, "2 Finger", "1.50"},
    // A number is cut only where words begin: a fraction, a range or another script's point is
    // no number cut short.
    AmountCase{"Fraction_en_US", "en_US", unit::CubitHebrewOT, unit::Feet, "1/2", std::nullopt},
    AmountCase{"Range_then_words_en_US", "en_US", unit::CubitHebrewOT, unit::Feet, "10-12 cubits", std::nullopt},
    AmountCase{"Full_width_point_ja_JP", "ja_JP", unit::CubitHebrewOT, unit::Feet, "\uff11\u3002\uff15", std::nullopt},
    AmountCase{"Sign_apart_from_its_digit_en_US", "en_US", unit::Finger, unit::Inches, "- 4", std::nullopt},
    AmountCase{"Arabic_decimal_separator_en_US", "en_US", unit::Finger, unit::Inches, "\u0661\u0662\u066b\u0665", "9.375"},
    AmountCase{"Exponent_after_the_decimal_comma_de_DE", "de_DE", unit::Finger, unit::Inches, "1,E3 Ellen",
               "750.00000000"},
    // Invisible characters from a paste change no number.
    AmountCase{"Word_joiner_then_words_en_US", "en_US", unit::CubitHebrewOT, unit::Feet, "\u20602,000 cubits",
               "3000.00000000"},
    AmountCase{"Zero_width_space_en_US", "en_US", unit::Finger, unit::Inches, "2\u200b000", "1500.00000000"},
    AmountCase{"Isolate_ar_EG", "ar_EG", unit::CubitHebrewOT, unit::Feet,
               "\u2066\u0661\u0662\u2069 \u0630\u0631\u0627\u0639", "18.00000000"},
    AmountCase{"Zero_width_space_in_two_numbers_de_DE", "de_DE", unit::CubitHebrewOT, unit::Feet, "2\u200b.000",
               std::nullopt}),
    [](const auto &info) { return CaseName(info.param.what); });

// Under German settings, pinned before the window exists so that start-up writes its prices so.
class GermanWindow : public WindowTest
{
protected:
    LocaleGuard german{GermanLocale()};
    void ShowMoney(const QString &type)
    {
        Pick("Combo1", type);
        seams.messages.clear(); // the notice of the default prices
    }
};

// Command13 converts nothing, but it asks for a number all the same: the informational types
// leave it at the spot, and the linear type keeps it there until a from-unit is chosen.
TEST_F(GermanWindow, TheButtonThatConvertsNothingRefusesAnAmountOfTwoNumbers)
{
    Pick("Combo1", measure::DryAndLiquidNT);
    Pick("Combo1", measure::Linear);
    ASSERT_EQ(ButtonAtConvertSpot(), Button("Command13"));
    Type("Text1", QStringLiteral("2.000"));
    seams.messages.clear();
    ClickConvert();
    EXPECT_EQ(MessageTexts(), QStringList{catalog::EnterANumberMessage});
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_TRUE(AmountHasFocus());
}

// A box of invisible marks, as a paste may leave it, is an empty box: the zero converts, and
// the user is asked for a number.
TEST_F(WindowTest, AnAmountOfInvisibleMarksAloneIsAnEmptyAmount)
{
    Pick("Combo1", measure::Linear);
    Pick("Combo2", unit::Finger);
    Pick("Combo3", unit::Inches);
    const QString marks = QStringLiteral("\u200e\u200b");
    Line("Text1")->setText(marks);
    ClickConvert();
    EXPECT_EQ(Box("Text2")->text(), marks + QStringLiteral("  Finger  =  0.00000000  Inches"));
    EXPECT_EQ(MessageTexts(), QStringList{catalog::EnterANumberMessage});
    EXPECT_TRUE(AmountHasFocus());
}

// Every coin of the panel, the small coins of fixed value too, counts a grouped multiple as the
// number it groups, and a multiple with invisible marks as the number without them.
TEST_F(WindowTest, AGroupedNewTestamentMultipleCountsWholeForEveryCoin)
{
    Pick("Combo1", measure::MoneyNT);
    const auto summaryOf = [this](const QString &multiple) {
        Enter("txtAmountNT", multiple);
        seams.messages.clear();
        QTest::mouseClick(Button("Command18"), Qt::LeftButton);
        EXPECT_TRUE(seams.messages.isEmpty()) << multiple.toStdString();
        return Box("txtNTMoney")->text();
    };
    const QString thousand = summaryOf(QStringLiteral("1000"));
    ASSERT_NE(thousand, summaryOf(QStringLiteral("1")));
    EXPECT_EQ(summaryOf(QStringLiteral("1,000")), thousand);
    EXPECT_EQ(summaryOf(QStringLiteral("\u20601,000")), thousand);
}

// The metal coins take a multiple with words after it as the number alone; the small coins
// of fixed value take none.
TEST_F(WindowTest, AnOldTestamentMultipleWithWordsValuesAsItsNumber)
{
    Pick("Combo1", measure::MoneyOT);
    Type("txtamount", QStringLiteral("1000"));
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    const QString thousand = Box("txtOtMoney")->text();
    ASSERT_FALSE(thousand.isEmpty());
    Type("txtamount", QStringLiteral("1"));
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    Type("txtamount", QStringLiteral("1,000 shekels"));
    seams.messages.clear();
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    EXPECT_EQ(Box("txtOtMoney")->text(), thousand);
    EXPECT_TRUE(seams.messages.isEmpty());
}

TEST_F(GermanWindow, ADecimalMultipleHalvesEveryNewTestamentCoin)
{
    ShowMoney(measure::MoneyNT);
    Type("txtAmountNT", QStringLiteral("0,5"));
    QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    const QString summary = Box("txtNTMoney")->text();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("FARTHING = Approximately  0,02\u00a0\u20ac\r\n"))) << summary.toStdString();
    EXPECT_TRUE(summary.endsWith(QStringLiteral("TALENT - Gold =  254.800,00\u00a0\u20ac"))) << summary.toStdString();
    EXPECT_TRUE(seams.messages.isEmpty());
}

TEST_F(GermanWindow, AMultipleOfTwoNumbersEmptiesTheSummaryAndAsks)
{
    ShowMoney(measure::MoneyOT);
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    ASSERT_FALSE(Box("txtOtMoney")->text().isEmpty());
    Type("txtamount", QStringLiteral("2.000"));
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    EXPECT_TRUE(Box("txtOtMoney")->text().isEmpty());
    EXPECT_EQ(MessageTexts(), QStringList{catalog::EnterANumberMessage});
    EXPECT_EQ(QApplication::focusWidget(), Line("txtamount"));
}

} // namespace
