#include <gtest/gtest.h>

#include "format/FormatResult.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"

namespace {

struct FormatCase { const char *input; const char *expected; };

void PrintTo(const FormatCase &c, std::ostream *os) { *os << '"' << c.input << "\" shows \"" << c.expected << '"'; }

// The whole table of shown results; an exponent form stays as it is.
const FormatCase kCases[] = {
    {"0", "0.00000000"},
    {"", "0.00000000"},
    {"abc", "0.00000000"},
    {"12", "12.00000000"},
    {"2.5", "2.50"},
    {"0.5", "0.50"},
    {"0.75", "0.75"},
    {"1234.56789", "1234.5679"},
    {"1234567.891", "1234567.891"},
    {"2.00001", "2.00000000"},
    {"0.0001", "0.0001"},
    {"0.00004", "0.00000000"},
    {"1.5E-07", "0.00000000"},
    {"-0.5", "-.50"},
    {"-2", "-2.00000000"},
    {"-1234.5", "-1234.50"},
    {"12345678901234.5678", "12345678901234.60"},
    {"1E+15", "1E+15"},
    {"1.5E+15", "1.5E+15"},
    {"123456789012345.6", "123456789012346.00000000"},
    {"0.5250190500381", "0.525"},
    {"8.03921568627451E-05", "0.0001"},
    {"-0.00004", "0.00000000"},
    {"1E+20", "1E+20"},
    {"9.7E+4715", ""},
    {"-1E999", ""},
};

using FormatParam = std::tuple<FormatCase, const char *>;

void PrintTo(const FormatParam &p, std::ostream *os)
{
    PrintTo(std::get<0>(p), os);
    *os << " under " << std::get<1>(p);
}

class FormatResultTest : public ::testing::TestWithParam<FormatParam> {};

TEST_P(FormatResultTest, GivesTheSameTextUnderEverySetting)
{
    const auto [c, localeName] = GetParam();
    LocaleGuard guard{QLocale(QString::fromLatin1(localeName))};
    EXPECT_EQ(FormatResult(QString::fromLatin1(c.input)), QString::fromLatin1(c.expected))
        << "input " << c.input << " under " << localeName;
}

INSTANTIATE_TEST_SUITE_P(Table, FormatResultTest,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values("en_US", "de_DE", "fr_CH", "he_IL", "ar_EG")),
                         [](const auto &info) {
                             return CaseName(std::get<1>(info.param), Typed(std::get<0>(info.param).input));
                         });

// Every locale Qt knows, for the whole table: the rounding goes through the user's symbols
// and back, and must come back as the number it was.
TEST(FormatResult, GivesTheTableUnderEveryLocaleQtKnows)
{
    for (const QLocale &locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        LocaleGuard guard{locale};
        for (const FormatCase &c : kCases)
            EXPECT_EQ(FormatResult(QString::fromLatin1(c.input)), QString::fromLatin1(c.expected))
                << "input " << c.input << " under " << locale.name().toStdString();
    }
}

} // namespace
