// LocaleNumber under one locale (FUZZ_LOCALE, or OSTREVAN_FUZZ_LOCALE where set): any text,
// and the texts the program writes with the user's symbols read back.
//
// Any text reads as a finite number, as no number, or as an infinity where it has an exponent
// or more digits than a double holds before its point: a number beyond the range of a double.
// A text without an exponent whose only digit before its first separator is a zero ("0,750")
// reads as a number of magnitude below one, or as no number: no one groups after a zero.
//
// AmountNumber of any text, as the amount box and the money multiples read it, is a refusal
// or a number that one reading takes from the whole text: LocaleNumber's, or the program's
// own ("." as the point, "," between thousands); where neither takes it, LeadingNumber's
// value. It is never another number.
//
// What holds for a finite x whose 15-digit value is itself finite (above about 1.797693e308
// the 15 digits round past the largest double, and the written text reads as no number):
// - QLocale().toString(x, 'g', 15), without group separators, reads back as x held to 15
//   significant digits (Qt's own grouping is wrong where a locale leaves four-digit numbers
//   ungrouped: "1234.567" for 1.234.567 under es_ES, which reads as 1234.567);
// - CurrencyText(x) reads back as a whole number of cents within half a cent of x (and the
//   15-digit slack). Below 1E12, where 15 digits reach past the cents, it is exactly x's
//   15-digit value rounded half away from zero to cents. From 1E12 to 1E15 the cents are
//   those of the double itself. From 1E15 up it is x held to 15 digits;
// - MaskText(x, ResultMask) reads back as x rounded to four decimals, within the same slack.

#include <QLocale>

#include "Support.h"
#include "format/FormatResult.h"
#include "format/Numbers.h"

using namespace fuzz;

namespace {

// The cents of a 15-digit value, rounded half away from zero, for |held| below 1E12.
double CentsHalfAway(double held)
{
    char b[64];
    std::snprintf(b, sizeof b, "%.14e", std::fabs(held));
    std::uint64_t digits = std::uint64_t(b[0] - '0');
    for (int i = 2; i < 16; ++i)
        digits = digits * 10 + std::uint64_t(b[i] - '0');
    const int below = 12 - std::atoi(b + 17); // digits of the 15 that lie below the cent
    if (below > 15)
        return 0.0;
    std::uint64_t unit = 1;
    for (int i = 0; i < below; ++i)
        unit *= 10;
    std::uint64_t cents = digits / unit;
    if (2 * (digits % unit) >= unit)
        ++cents;
    if (cents == 0)
        return 0.0;
    std::snprintf(b, sizeof b, "%" PRIu64 "e-2", cents);
    return std::copysign(CDouble(b), held);
}

bool Near(double a, double x, double unit)
{
    return std::fabs(a - x) <= unit / 2 * (1 + 1e-9) + std::fabs(x) * 1e-14;
}

bool MayLieBeyondADouble(const QString &text)
{
    qsizetype digits = 0;
    for (const QChar c : text) {
        if (c == u'e' || c == u'E' || c == u'\uff45' || c == u'\uff25')
            return true;
        if (c.isDigit())
            ++digits;
    }
    return digits > 308 || text.contains(QLocale().exponential());
}

bool IsDirectionMark(QChar c) { return c == u'\u200e' || c == u'\u200f' || c == u'\u061c'; }

// The first digit of the text is a zero and the next character, direction marks aside, is none:
// "0,750", "$0 750", "0.5".
bool ZeroBeforeItsFirstSeparator(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && !text[i].isDigit())
        ++i;
    if (i == text.size() || text[i].digitValue() != 0)
        return false;
    for (++i; i < text.size() && IsDirectionMark(text[i]); ++i) {
    }
    return i < text.size() && !text[i].isDigit();
}

// The program's own reading of the whole text, by the leading-number rule with the commas out.
bool ProgramReads(const QString &text, double value)
{
    QString plain = text.trimmed();
    plain.remove(u',');
    return SameBits(LeadingNumber(plain), value);
}

void CheckAmount(const QString &text)
{
    const Amount amount = AmountNumber(text);
    const auto users = LocaleNumber(text);
    const std::string about = "text " + Shown(text) + " gives " + Shown(amount.value);
    if (std::isnan(amount.value))
        Fail("AmountNumber gives no NaN", about);
    switch (amount.reading) {
    case Amount::Reading::Refused:
        return;
    case Amount::Reading::Whole:
        if (users ? !SameBits(*users, amount.value) : !ProgramReads(text, amount.value))
            Fail("a whole amount is the number LocaleNumber reads, or else the program's own reading", about);
        return;
    case Amount::Reading::Leading:
        if (users)
            Fail("an amount LocaleNumber reads whole is not read by the leading-number rule", about);
        if (!SameBits(LeadingNumber(text), amount.value))
            Fail("an amount neither reading takes is LeadingNumber's value", about);
        return;
    }
}

void CheckText(const QString &text)
{
    const auto v = LocaleNumber(text);
    if (v && (std::isnan(*v) || (std::isinf(*v) && !MayLieBeyondADouble(text))))
        Fail("LocaleNumber gives a finite number, none, or an infinity for a number beyond a double",
             "text " + Shown(text) + " gives " + Shown(*v));
    // A run of nines beyond a double's digits rounds up to one.
    if (v && std::fabs(*v) > 1 && ZeroBeforeItsFirstSeparator(text) && !MayLieBeyondADouble(text))
        Fail("a number whose only digit before its first separator is a zero is below one, or no number",
             "text " + Shown(text) + " gives " + Shown(*v));
    CheckAmount(text);
}

void CheckValue(double x)
{
    if (!std::isfinite(x))
        return;
    const Held held = HeldTo15(x);
    if (!std::isfinite(held.nearest) || !std::isfinite(held.other))
        return;

    QLocale ungrouped;
    ungrouped.setNumberOptions(ungrouped.numberOptions() | QLocale::OmitGroupSeparator);
    const QString plain = ungrouped.toString(x, 'g', 15);
    const auto plainBack = LocaleNumber(plain);
    const std::string aboutPlain = "x " + Shown(x) + ", text " + Shown(plain);
    if (!plainBack)
        Fail("LocaleNumber reads the locale's own 15-digit text", aboutPlain);
    // A zero is a zero whichever its sign.
    if (!(x == 0.0 ? *plainBack == 0.0 : held.Matches(*plainBack)))
        Fail("LocaleNumber of the locale's 15-digit text is x held to 15 digits",
             aboutPlain + ", read back " + Shown(*plainBack) + ", expected " + held.Shown());

    const QString currency = CurrencyText(x);
    const auto money = LocaleNumber(currency);
    const std::string aboutMoney = "x " + Shown(x) + ", currency text " + Shown(currency);
    if (!money)
        Fail("LocaleNumber reads CurrencyText", aboutMoney);
    const std::string aboutBack = aboutMoney + ", read back " + Shown(*money);
    if (!Near(*money, x, 0.01))
        Fail("CurrencyText reads back within half a cent", aboutBack);
    if (std::fabs(x) < 1e15) {
        char b[400];
        std::snprintf(b, sizeof b, "%.2f", *money);
        if (!SameBits(CDouble(b), *money))
            Fail("CurrencyText reads back as a whole number of cents", aboutBack);
    } else if (!held.Matches(*money)) {
        Fail("CurrencyText from 1E15 up reads back as x held to 15 digits", aboutBack + ", expected " + held.Shown());
    }
    if (std::fabs(x) < 1e12) {
        const Held cents{CentsHalfAway(held.nearest), CentsHalfAway(held.other)};
        if (!cents.Matches(*money))
            Fail("CurrencyText rounds x's 15-digit value half away from zero to cents",
                 aboutBack + ", expected " + cents.Shown());
    }

    const QString masked = MaskText(x, QString::fromLatin1(ResultMask));
    const auto maskedBack = LocaleNumber(masked);
    const std::string aboutMask = "x " + Shown(x) + ", mask text " + Shown(masked);
    if (!maskedBack)
        Fail("LocaleNumber reads MaskText", aboutMask);
    if (!Near(*maskedBack, x, 0.0001))
        Fail("MaskText reads back as x rounded to four decimals", aboutMask + ", read back " + Shown(*maskedBack));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *name = std::getenv("OSTREVAN_FUZZ_LOCALE");
    const QLocale locale(QString::fromLatin1(name && *name ? name : FUZZ_LOCALE));
    QLocale::setDefault(locale);
    std::fprintf(stderr, "locale %s\n", qPrintable(locale.name()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return CheckInput(data, size, CheckText, CheckValue);
}
