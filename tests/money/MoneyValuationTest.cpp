#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "catalog/Messages.h"
#include "money/MoneyValuation.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"

namespace {

using namespace money;

QString Euro(const char *amount) { return QString::fromUtf8(amount) + QStringLiteral("\u00a0\u20ac"); }

// Ounces and dollars of a few coins, as the panels value them.
namespace OldTestament {
const double Shekel = 0.403, Mina = 20.16, Talent = 604.8;
}
namespace NewTestament {
const double Shekel = 0.364;
}
const double Farthing = 0.04, Mite = 0.015, Penny = 0.05;

ValuationOutcome OldTestamentMoney(const PanelTexts &texts) { return Value(OldTestamentPanel(), texts); }
ValuationOutcome NewTestamentMoney(const PanelTexts &texts) { return Value(NewTestamentPanel(), texts); }

// The result is a coin box's text: the held number first, then its currency text.
void ExpectCoinText(const CoinResult &result, const char *number, const char *currency, const char *what)
{
    const auto *text = std::get_if<CoinText>(&result);
    ASSERT_NE(text, nullptr) << what;
    EXPECT_EQ(text->number, QString::fromUtf8(number)) << what;
    EXPECT_EQ(text->currency, QString::fromUtf8(currency)) << what;
}

// ---- one coin in one metal ----

struct CoinCase
{
    const char *what;
    double ounces;
    const char *price;
    const char *multiple;
    const char *number;   // the coin box's first text
    const char *currency; // and its last
};

void PrintTo(const CoinCase &c, std::ostream *os) { *os << c.what; }

class CoinValueTest : public ::testing::TestWithParam<CoinCase> {};

TEST_P(CoinValueTest, WritesTheHeldNumberThenItsCurrencyText)
{
    const CoinCase c = GetParam();
    // The metal names only the box a fault would blame.
    ExpectCoinText(CoinValue({Metal::Gold, c.ounces}, QString::fromUtf8(c.price), QString::fromUtf8(c.multiple)),
                   c.number, c.currency, c.what);
}

INSTANTIATE_TEST_SUITE_P(Coins, CoinValueTest, ::testing::Values(
    CoinCase{"shekel of silver", OldTestament::Shekel, "$4.75", "1", "1.91425", "$1.91"},
    CoinCase{"shekel of gold", OldTestament::Shekel, "$350.00", "1", "141.05", "$141.05"},
    // 4.75 x 604.8 is a double just below 2872.8
    CoinCase{"talent of silver", OldTestament::Talent, "$4.75", "1", "2872.8", "$2,872.80"},
    CoinCase{"talent of gold", OldTestament::Talent, "$350.00", "1", "211680", "$211,680.00"},
    CoinCase{"plain price", OldTestament::Mina, "4.75", "1", "95.76", "$95.76"},
    CoinCase{"grouped price", OldTestament::Mina, "$1,000.00", "1", "20160", "$20,160.00"},
    CoinCase{"grouped multiple reads whole", OldTestament::Shekel, "$350.00", "1,000", "141050",
             "$141,050.00"},
    CoinCase{"empty multiple", OldTestament::Talent, "$350.00", "", "0", "$0.00"},
    CoinCase{"letters as multiple", OldTestament::Talent, "$350.00", "abc", "0", "$0.00"},
    CoinCase{"multiple in the currency form", OldTestament::Talent, "$350.00", "$2", "423360", "$423,360.00"},
    CoinCase{"multiple with words after it counts its leading number", OldTestament::Shekel, "$350.00",
             "2 coins", "282.1", "$282.10"},
    CoinCase{"decimal multiple", OldTestament::Shekel, "$350.00", "2.5", "352.625", "$352.63"},
    CoinCase{"negative multiple", OldTestament::Shekel, "$4.75", "-1", "-1.91425", "($1.91)"},
    CoinCase{"negative price", OldTestament::Talent, "-$350.00", "1", "-211680", "($211,680.00)"},
    CoinCase{"price in the negative currency form", OldTestament::Talent, "($350.00)", "1", "-211680",
             "($211,680.00)"},
    CoinCase{"negative times negative", OldTestament::Talent, "-$350.00", "-1", "211680", "$211,680.00"},
    CoinCase{"zero price, negative multiple", OldTestament::Talent, "0", "-1", "0", "$0.00"},
    // price x ounces is held to 15 digits before the multiple: unheld it would be ...918
    CoinCase{"product held before the multiple", OldTestament::Shekel, "368.821452004895", "3",
             "445.905135473919", "$445.91"},
    CoinCase{"New Testament shekel held", NewTestament::Shekel, "675.80444149618", "10",
             "2459.92816704609", "$2,459.93"},
    CoinCase{"large multiple", OldTestament::Talent, "$350.00", "1E12", "2.1168E+17",
             "$211,680,000,000,000,000.00"}),
    [](const auto &info) { return CaseName(info.param.what); });

struct CoinFaultCase
{
    const char *what;
    double ounces;
    const char *price;
    const char *multiple;
    PanelInput input; // as a gold coin
    bool tooLarge;
};

void PrintTo(const CoinFaultCase &c, std::ostream *os) { *os << c.what; }

class CoinValueFaults : public ::testing::TestWithParam<CoinFaultCase> {};

TEST_P(CoinValueFaults, NameTheInputAndTheMessage)
{
    const CoinFaultCase c = GetParam();
    // The same coin in silver: a price fault blames the silver box instead.
    const PanelInput asSilver = c.input == PanelInput::Gold ? PanelInput::Silver : c.input;
    for (const auto &[metal, input] : {std::pair{Metal::Gold, c.input}, std::pair{Metal::Silver, asSilver}}) {
        const char *coin = metal == Metal::Gold ? " (gold)" : " (silver)";
        const CoinResult result =
            CoinValue({metal, c.ounces}, QString::fromUtf8(c.price), QString::fromUtf8(c.multiple));
        const auto *fault = std::get_if<CoinFault>(&result);
        ASSERT_NE(fault, nullptr) << c.what << coin;
        EXPECT_EQ(fault->input, input) << c.what << coin;
        EXPECT_EQ(fault->message, c.tooLarge ? catalog::TooLargeMessage : catalog::EnterANumberMessage)
            << c.what << coin;
    }
}

using Input = PanelInput;
INSTANTIATE_TEST_SUITE_P(Faults, CoinValueFaults, ::testing::Values(
    CoinFaultCase{"empty price", OldTestament::Shekel, "", "1", Input::Gold, false},
    CoinFaultCase{"blank price", OldTestament::Shekel, "  ", "1", Input::Gold, false},
    CoinFaultCase{"letters", OldTestament::Shekel, "abc", "1", Input::Gold, false},
    CoinFaultCase{"currency symbol only", OldTestament::Shekel, "$", "1", Input::Gold, false},
    CoinFaultCase{"number then letters", OldTestament::Shekel, "12abc", "1", Input::Gold, false},
    CoinFaultCase{"unreadable price wins over a huge multiple", OldTestament::Shekel, "", "1E999",
                  Input::Gold, false},
    // A multiple is read before the price.
    CoinFaultCase{"decimal comma in the multiple", OldTestament::Shekel, "$350.00", "2,5", Input::Multiple, false},
    CoinFaultCase{"multiple with a leading zero grouped", OldTestament::Shekel, "$350.00", "0,750",
                  Input::Multiple, false},
    CoinFaultCase{"mistyped multiple wins over an unreadable price", OldTestament::Shekel, "", "3 50",
                  Input::Multiple, false},
    CoinFaultCase{"price x ounces beyond a double", OldTestament::Talent, "1E308", "1", Input::Gold, true},
    CoinFaultCase{"price itself beyond a double", OldTestament::Shekel, "1E309", "1", Input::Gold, true},
    CoinFaultCase{"negative price beyond a double", OldTestament::Shekel, "-$1E309", "1", Input::Gold, true},
    CoinFaultCase{"price beyond a double, zero multiple", OldTestament::Shekel, "1E999", "0", Input::Gold, true},
    CoinFaultCase{"the largest double held to 15 digits", 1.0, "1.7976931348623157E308", "1", Input::Gold, true},
    CoinFaultCase{"infinite multiple", OldTestament::Shekel, "$350.00", "1E999", Input::Multiple, true},
    CoinFaultCase{"zero price times an infinite multiple", OldTestament::Shekel, "0", "1E999",
                  Input::Multiple, true},
    CoinFaultCase{"held product x multiple beyond a double", OldTestament::Talent, "$350.00", "1E306",
                  Input::Multiple, true},
    CoinFaultCase{"value rounds past the largest double", 1.0, "1", "1.7976931348623157E308",
                  Input::Multiple, true}),
    [](const auto &info) { return CaseName(info.param.what); });

// ---- the small coins at fixed dollars ----

struct FixedCase
{
    const char *what;
    double dollars;
    const char *multiple;
    const char *number;
    const char *currency;
};

void PrintTo(const FixedCase &c, std::ostream *os) { *os << c.what; }

class FixedCoinValueTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedCoinValueTest, ReadsTheMultipleWithTheUsersConventions)
{
    const FixedCase c = GetParam();
    ExpectCoinText(FixedCoinValue(c.dollars, QString::fromUtf8(c.multiple)), c.number, c.currency, c.what);
}

INSTANTIATE_TEST_SUITE_P(Coins, FixedCoinValueTest, ::testing::Values(
    FixedCase{"farthing", Farthing, "1", "0.04", "$0.04"},
    FixedCase{"mite: half a cent rounds away from zero", Mite, "1", "0.015", "$0.02"},
    FixedCase{"penny", Penny, "1", "0.05", "$0.05"},
    FixedCase{"farthing at $2", Farthing, "$2", "0.08", "$0.08"},
    FixedCase{"mite at $2", Mite, "$2", "0.03", "$0.03"},
    FixedCase{"penny at $2", Penny, "$2", "0.1", "$0.10"},
    FixedCase{"grouped multiple reads whole", Farthing, "1,000", "40", "$40.00"},
    FixedCase{"mite at 1,000", Mite, "1,000", "15", "$15.00"},
    // 3 x 0.015 is a double just below 0.045; held, it is half a cent
    FixedCase{"mite at 3", Mite, "3", "0.045", "$0.05"},
    FixedCase{"negative multiple", Mite, "-1", "-0.015", "($0.02)"},
    FixedCase{"zero", Penny, "0", "0", "$0.00"}),
    [](const auto &info) { return CaseName(info.param.what); });

TEST(FixedCoinValue, AMultipleItCannotReadIsNoNumber)
{
    for (const char *multiple : {"", " ", "abc", "2abc", "2 coins", "2,5", "0,750", "3 50"}) {
        const CoinResult result = FixedCoinValue(Farthing, QString::fromUtf8(multiple));
        const auto *fault = std::get_if<CoinFault>(&result);
        ASSERT_NE(fault, nullptr) << '"' << multiple << '"';
        EXPECT_EQ(fault->input, PanelInput::Multiple);
        EXPECT_EQ(fault->message, catalog::EnterANumberMessage);
    }
}

TEST(FixedCoinValue, AMultipleBeyondADoubleIsTooLarge)
{
    for (const char *multiple : {"1E999", "-1E309"}) {
        const CoinResult result = FixedCoinValue(Farthing, QString::fromUtf8(multiple));
        const auto *fault = std::get_if<CoinFault>(&result);
        ASSERT_NE(fault, nullptr) << multiple;
        EXPECT_EQ(fault->input, PanelInput::Multiple);
        EXPECT_EQ(fault->message, catalog::TooLargeMessage);
    }
}

TEST(CoinValue, FollowsTheUsersConventions)
{
    LocaleGuard guard{GermanLocale()};
    const CoinResult gold = CoinValue({Metal::Gold, OldTestament::Mina}, Euro("350,00"), QStringLiteral("1"));
    ASSERT_TRUE(std::holds_alternative<CoinText>(gold));
    EXPECT_EQ(std::get<CoinText>(gold).number, QStringLiteral("7056"));
    EXPECT_EQ(std::get<CoinText>(gold).currency, Euro("7.056,00"));
    // The multiple of every coin reads as the user writes it, or as the program does.
    for (const char *multiple : {"0,5", "0.5"}) {
        const CoinResult half = CoinValue({Metal::Gold, OldTestament::Mina}, Euro("350,00"), QString::fromLatin1(multiple));
        ASSERT_TRUE(std::holds_alternative<CoinText>(half)) << multiple;
        EXPECT_EQ(std::get<CoinText>(half).currency, Euro("3.528,00")) << multiple;
        const CoinResult penny = FixedCoinValue(Penny, QString::fromLatin1(multiple));
        ASSERT_TRUE(std::holds_alternative<CoinText>(penny)) << multiple;
        EXPECT_EQ(std::get<CoinText>(penny).currency, Euro("0,03")) << multiple;
    }
    const CoinResult negative = FixedCoinValue(Penny, QStringLiteral("-2"));
    EXPECT_EQ(std::get<CoinText>(negative).currency, Euro("-0,10"));
    // "1,000" is 1 as Germans write it and 1000 as the program does: no multiple of either coin.
    for (const CoinResult &twoWays : {CoinValue({Metal::Gold, OldTestament::Mina}, Euro("350,00"), QStringLiteral("1,000")),
                                      FixedCoinValue(Mite, QStringLiteral("1,000"))}) {
        const auto *fault = std::get_if<CoinFault>(&twoWays);
        ASSERT_NE(fault, nullptr);
        EXPECT_EQ(fault->input, PanelInput::Multiple);
        EXPECT_EQ(fault->message, catalog::EnterANumberMessage);
    }
}

// ---- the summary ----

struct SummaryCase
{
    QList<SummaryLine> lines;
    bool endsInDollars;
    const char *expected;
};

void PrintTo(const SummaryCase &c, std::ostream *os) { *os << c.lines.size() << " lines" << (c.endsInDollars ? " in dollars" : ""); }

class MoneySummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(MoneySummaryTest, JoinsItsLinesWithCrLfAndNoneAfterTheLast)
{
    const SummaryCase c = GetParam();
    EXPECT_EQ(MoneySummary(c.lines, c.endsInDollars), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Lines, MoneySummaryTest, ::testing::Values(
    SummaryCase{{}, true, ""},
    SummaryCase{{{"A =", "$1.00"}}, false, "A =  $1.00"},
    SummaryCase{{{"A =", "$1.00"}}, true, "A =  $1.00  U.S. Dollars"},
    SummaryCase{{{"A =", "$1.00"}, {"B  =", "($2.00)"}}, false, "A =  $1.00\r\nB  =  ($2.00)"},
    SummaryCase{{{"A =", "$1.00"}, {"B =", "2,00 \u20ac"}, {"C =", ""}}, true,
                "A =  $1.00  U.S. Dollars\r\nB =  2,00 \u20ac  U.S. Dollars\r\nC =    U.S. Dollars"}),
    [](const auto &info) {
        return CaseName(info.param.lines.size(), "lines") + (info.param.endsInDollars ? "_in_dollars" : "");
    });

// ---- the two panels ----

QList<CoinBox> BoxesWritten(const ValuationOutcome &outcome)
{
    QList<CoinBox> boxes;
    for (const CoinWrite &write : outcome.coinWrites)
        boxes << write.box;
    return boxes;
}

QString NumberWritten(const ValuationOutcome &outcome, CoinBox box)
{
    for (const CoinWrite &write : outcome.coinWrites)
        if (write.box == box)
            return write.text.number;
    return QStringLiteral("<not written>");
}

using enum CoinBox;
const QList<CoinBox> OldTestamentRuns{txtShekSil, txtShekGol, txtMinSil, txtMinGol, txtTalSil, txtTalGol};
const QList<CoinBox> NewTestamentRuns{txtBekSil,  txtDraSil,  txtDraGol,  txtDenSil,  txtDenGol,  txtGerSil,
                                      txtGerGol,  txtMinaSil, txtMinaGol, txtSheSil,  txtSheGol,  txtTaleSil,
                                      txtTaleGol, txtFarthing, txtMite,   txtPenny};

struct PanelCase
{
    const char *what;
    const char *locale;
    bool newTestament;
    PanelTexts texts;
    QStringList lines;
};

void PrintTo(const PanelCase &c, std::ostream *os) { *os << c.what; }

class PanelSummary : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelSummary, WritesEveryCoinInRunOrderAndTheWholeSummary)
{
    const PanelCase c = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(c.locale))};
    const ValuationOutcome outcome = c.newTestament ? NewTestamentMoney(c.texts) : OldTestamentMoney(c.texts);
    EXPECT_FALSE(outcome.failure) << c.what;
    EXPECT_EQ(BoxesWritten(outcome), c.newTestament ? NewTestamentRuns : OldTestamentRuns) << c.what;
    EXPECT_EQ(outcome.summary, c.lines.join(QStringLiteral("\r\n"))) << c.what;
}

const QString E = QStringLiteral("\u00a0\u20ac");
const QString Z = QStringLiteral("\u00a0z\u0142");

INSTANTIATE_TEST_SUITE_P(Panels, PanelSummary, ::testing::Values(
    PanelCase{"Old Testament at the start texts", "en_US", false, {"$350.00", "$4.75", "1"},
              {"SHECKEL - Silver =  $1.91  U.S. Dollars", "SHECKEL - Gold =  $141.05  U.S. Dollars",
               "MINA - Silver =  $95.76  U.S. Dollars", "MINA - Gold =  $7,056.00  U.S. Dollars",
               "TALENT - Silver =  $2,872.80  U.S. Dollars", "TALENT - Gold =  $211,680.00  U.S. Dollars"}},
    PanelCase{"Old Testament, empty multiple", "en_US", false, {"$350.00", "$4.75", ""},
              {"SHECKEL - Silver =  $0.00  U.S. Dollars", "SHECKEL - Gold =  $0.00  U.S. Dollars",
               "MINA - Silver =  $0.00  U.S. Dollars", "MINA - Gold =  $0.00  U.S. Dollars",
               "TALENT - Silver =  $0.00  U.S. Dollars", "TALENT - Gold =  $0.00  U.S. Dollars"}},
    PanelCase{"Old Testament, negative multiple", "en_US", false, {"$350.00", "$4.75", "-2"},
              {"SHECKEL - Silver =  ($3.83)  U.S. Dollars", "SHECKEL - Gold =  ($282.10)  U.S. Dollars",
               "MINA - Silver =  ($191.52)  U.S. Dollars", "MINA - Gold =  ($14,112.00)  U.S. Dollars",
               "TALENT - Silver =  ($5,745.60)  U.S. Dollars", "TALENT - Gold =  ($423,360.00)  U.S. Dollars"}},
    PanelCase{"Old Testament, German prices as start-up writes them", "de_DE", false,
              {"350,00\u00a0\u20ac", "4,75\u00a0\u20ac", "1"},
              {"SHECKEL - Silver =  1,91" + E + "  U.S. Dollars", "SHECKEL - Gold =  141,05" + E + "  U.S. Dollars",
               "MINA - Silver =  95,76" + E + "  U.S. Dollars", "MINA - Gold =  7.056,00" + E + "  U.S. Dollars",
               "TALENT - Silver =  2.872,80" + E + "  U.S. Dollars",
               "TALENT - Gold =  211.680,00" + E + "  U.S. Dollars"}},
    // Prices typed as the region writes them, and amounts grouped as it groups them: a
    // four-digit amount stays ungrouped where the region writes it so.
    PanelCase{"Old Testament, Spanish prices with gold at 2.000", "es_ES", false, {"2.000", "4,75", "1"},
              {"SHECKEL - Silver =  1,91" + E + "  U.S. Dollars", "SHECKEL - Gold =  806,00" + E + "  U.S. Dollars",
               "MINA - Silver =  95,76" + E + "  U.S. Dollars", "MINA - Gold =  40.320,00" + E + "  U.S. Dollars",
               "TALENT - Silver =  2872,80" + E + "  U.S. Dollars",
               "TALENT - Gold =  1.209.600,00" + E + "  U.S. Dollars"}},
    PanelCase{"Old Testament, Polish prices with gold at 2 000", "pl_PL", false, {"2 000", "4,75 z\u0142", "1"},
              {"SHECKEL - Silver =  1,91" + Z + "  U.S. Dollars", "SHECKEL - Gold =  806,00" + Z + "  U.S. Dollars",
               "MINA - Silver =  95,76" + Z + "  U.S. Dollars",
               "MINA - Gold =  40\u00a0320,00" + Z + "  U.S. Dollars",
               "TALENT - Silver =  2872,80" + Z + "  U.S. Dollars",
               "TALENT - Gold =  1\u00a0209\u00a0600,00" + Z + "  U.S. Dollars"}},
    PanelCase{"New Testament at the start texts", "en_US", true, {"350.00", "4.75", "1"},
              {"FARTHING = Approximately  $0.04", "MITE = Approximately  $0.02", "PENNY = Approximately  $0.05",
               "BEKA - Silver  =  $0.86", "DRACHMA - Silver =  $1.28", "DRACHMA - Gold =  $94.50",
               "DENAIRUS - Silver =  $0.05", "DENAIRUS - Gold =  $3.50", "GERAH - Silver =  $0.09",
               "GERAH - Gold =  $6.37", "MINA or POUND - Silver =  $86.45", "MINA or POUND - Gold =  $6,370.00",
               "SHEKEL - Silver =  $1.73", "SHEKEL - Gold =  $127.40", "TALENT - Silver =  $6,916.00",
               "TALENT - Gold =  $509,600.00"}},
    // A multiple in the currency form, or grouped, counts the same for every coin.
    PanelCase{"New Testament at a multiple of $2", "en_US", true, {"350.00", "4.75", "$2"},
              {"FARTHING = Approximately  $0.08", "MITE = Approximately  $0.03", "PENNY = Approximately  $0.10",
               "BEKA - Silver  =  $1.73", "DRACHMA - Silver =  $2.57", "DRACHMA - Gold =  $189.00",
               "DENAIRUS - Silver =  $0.10", "DENAIRUS - Gold =  $7.00", "GERAH - Silver =  $0.17",
               "GERAH - Gold =  $12.74", "MINA or POUND - Silver =  $172.90", "MINA or POUND - Gold =  $12,740.00",
               "SHEKEL - Silver =  $3.46", "SHEKEL - Gold =  $254.80", "TALENT - Silver =  $13,832.00",
               "TALENT - Gold =  $1,019,200.00"}},
    PanelCase{"New Testament at a multiple of 1,000", "en_US", true, {"350.00", "4.75", "1,000"},
              {"FARTHING = Approximately  $40.00", "MITE = Approximately  $15.00", "PENNY = Approximately  $50.00",
               "BEKA - Silver  =  $864.50", "DRACHMA - Silver =  $1,282.50", "DRACHMA - Gold =  $94,500.00",
               "DENAIRUS - Silver =  $47.50", "DENAIRUS - Gold =  $3,500.00", "GERAH - Silver =  $86.45",
               "GERAH - Gold =  $6,370.00", "MINA or POUND - Silver =  $86,450.00",
               "MINA or POUND - Gold =  $6,370,000.00", "SHEKEL - Silver =  $1,729.00",
               "SHEKEL - Gold =  $127,400.00", "TALENT - Silver =  $6,916,000.00",
               "TALENT - Gold =  $509,600,000.00"}},
    PanelCase{"New Testament, negative gold price", "en_US", true, {"-350.00", "4.75", "1"},
              {"FARTHING = Approximately  $0.04", "MITE = Approximately  $0.02", "PENNY = Approximately  $0.05",
               "BEKA - Silver  =  $0.86", "DRACHMA - Silver =  $1.28", "DRACHMA - Gold =  ($94.50)",
               "DENAIRUS - Silver =  $0.05", "DENAIRUS - Gold =  ($3.50)", "GERAH - Silver =  $0.09",
               "GERAH - Gold =  ($6.37)", "MINA or POUND - Silver =  $86.45",
               "MINA or POUND - Gold =  ($6,370.00)", "SHEKEL - Silver =  $1.73", "SHEKEL - Gold =  ($127.40)",
               "TALENT - Silver =  $6,916.00", "TALENT - Gold =  ($509,600.00)"}},
    PanelCase{"New Testament, designed prices under German settings", "de_DE", true, {"350.00", "4.75", "1"},
              {"FARTHING = Approximately  0,04" + E, "MITE = Approximately  0,02" + E,
               "PENNY = Approximately  0,05" + E, "BEKA - Silver  =  0,86" + E, "DRACHMA - Silver =  1,28" + E,
               "DRACHMA - Gold =  94,50" + E, "DENAIRUS - Silver =  0,05" + E, "DENAIRUS - Gold =  3,50" + E,
               "GERAH - Silver =  0,09" + E, "GERAH - Gold =  6,37" + E, "MINA or POUND - Silver =  86,45" + E,
               "MINA or POUND - Gold =  6.370,00" + E, "SHEKEL - Silver =  1,73" + E,
               "SHEKEL - Gold =  127,40" + E, "TALENT - Silver =  6.916,00" + E,
               "TALENT - Gold =  509.600,00" + E}}),
    [](const auto &info) { return CaseName(info.param.what); });

// Each of the 22 coin boxes stands in one row of one panel.
TEST(MoneyPanels, WriteEachCoinBoxFromOneRow)
{
    QList<CoinBox> boxes;
    for (const MoneyPanel *panel : {&OldTestamentPanel(), &NewTestamentPanel()})
        for (const CoinRow &coin : panel->coins)
            boxes << coin.box;
    std::sort(boxes.begin(), boxes.end());
    QList<CoinBox> all;
    for (int i = 0; i <= int(txtPenny); ++i)
        all << CoinBox(i);
    EXPECT_EQ(boxes, all);
}

TEST(OldTestamentMoney, HoldsTheTalentOfSilverToFifteenDigits)
{
    const ValuationOutcome outcome = OldTestamentMoney({"$350.00", "$4.75", "1"});
    EXPECT_EQ(NumberWritten(outcome, txtTalSil), QStringLiteral("2872.8"));
    EXPECT_EQ(NumberWritten(outcome, txtShekSil), QStringLiteral("1.91425"));
}

TEST(NewTestamentMoney, WritesTheMiteAsHalfACentBeforeItsCurrencyText)
{
    const ValuationOutcome outcome = NewTestamentMoney({"350.00", "4.75", "1"});
    EXPECT_EQ(NumberWritten(outcome, txtMite), QStringLiteral("0.015"));
    EXPECT_EQ(NumberWritten(outcome, txtPenny), QStringLiteral("0.05"));
    EXPECT_EQ(NumberWritten(outcome, txtTaleGol), QStringLiteral("509600"));
}

struct FailureCase
{
    const char *what;
    bool newTestament;
    PanelTexts texts;
    qsizetype written; // coin boxes written before the valuation stopped
    PanelInput blamed; // the box that takes the focus
    bool tooLarge;
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.what; }

class PanelFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PanelFailure, StopsEmptiesTheSummaryAndNamesTheBox)
{
    const FailureCase c = GetParam();
    const ValuationOutcome outcome = c.newTestament ? NewTestamentMoney(c.texts) : OldTestamentMoney(c.texts);
    ASSERT_TRUE(outcome.failure) << c.what;
    EXPECT_EQ(outcome.failure->input, c.blamed) << c.what;
    EXPECT_EQ(outcome.failure->message, c.tooLarge ? catalog::TooLargeMessage : catalog::EnterANumberMessage)
        << c.what;
    EXPECT_EQ(BoxesWritten(outcome), (c.newTestament ? NewTestamentRuns : OldTestamentRuns).first(c.written))
        << c.what;
    EXPECT_TRUE(outcome.summary.isEmpty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelFailure, ::testing::Values(
    FailureCase{"OT silver empty", false, {"$350.00", "", "1"}, 0, PanelInput::Silver, false},
    FailureCase{"OT gold in letters: the silver shekel runs first", false, {"gold", "$4.75", "1"}, 1, PanelInput::Gold,
                false},
    FailureCase{"OT both prices empty: the first run's box", false, {"", "", "1"}, 0, PanelInput::Silver, false},
    FailureCase{"OT gold mina beyond a double", false, {"1E308", "$4.75", "1"}, 3, PanelInput::Gold, true},
    FailureCase{"OT gold price beyond a double", false, {"1E309", "$4.75", "1"}, 1, PanelInput::Gold, true},
    FailureCase{"OT infinite multiple", false, {"$350.00", "$4.75", "1E999"}, 0, PanelInput::Multiple, true},
    FailureCase{"NT silver empty", true, {"350.00", "", "1"}, 0, PanelInput::Silver, false},
    FailureCase{"NT gold empty: after the bekah and the silver drachma", true, {"", "4.75", "1"}, 2,
                PanelInput::Gold, false},
    FailureCase{"NT empty multiple stops at the farthing", true, {"350.00", "4.75", ""}, 13, PanelInput::Multiple,
                false},
    FailureCase{"NT multiple in letters", true, {"350.00", "4.75", "many"}, 13, PanelInput::Multiple, false},
    FailureCase{"NT multiple with trailing letters", true, {"350.00", "4.75", "2x"}, 13, PanelInput::Multiple, false},
    FailureCase{"NT infinite multiple", true, {"350.00", "4.75", "1E999"}, 0, PanelInput::Multiple, true},
    FailureCase{"NT gold talent beyond a double", true, {"1E306", "4.75", "1"}, 12, PanelInput::Gold, true}),
    [](const auto &info) { return CaseName(info.param.what); });

TEST(NewTestamentMoney, MetalCoinsBeforeAFailedFarthingAreZero)
{
    const ValuationOutcome outcome = NewTestamentMoney({"350.00", "4.75", ""});
    ASSERT_EQ(outcome.coinWrites.size(), 13);
    for (const CoinWrite &write : outcome.coinWrites) {
        EXPECT_EQ(write.text.number, QStringLiteral("0")) << int(write.box);
        EXPECT_EQ(write.text.currency, QStringLiteral("$0.00")) << int(write.box);
    }
}

} // namespace
