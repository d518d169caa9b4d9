// LocaleNumber under one locale (FUZZ_LOCALE, or OSTREVAN_FUZZ_LOCALE where set): any text,
// and the texts the program writes with the user's symbols read back.
//
// Any text reads as a finite number, as no number, or as an infinity where it has an exponent
// or more digits than a double holds before its point: a number beyond the range of a double.
// A text without an exponent whose only digit before its first separator is a zero ("0,750")
// reads as a number of magnitude below one, or as no number: no one groups after a zero.
//
// AmountNumber of any text, as the amount box and the money multiples read it, is never NaN,
// and a text and its keyboard twins (its digits full-width, a direction mark around it, a
// no-break space for each blank, U+2212 for each "-") give one outcome. Of a text in ASCII it
// is a refusal or the value of its head read alone (the whole text where it reads whole): what
// LocaleNumber reads of that head, or Qt's C locale reads where it has no "," (the program's own
// form), the two agreeing where both read; where neither does, LeadingNumber's value. It is
// never another number.
//
// Numbers the fuzzer writes, as the locale writes them without grouping and as Qt's C locale
// writes them with "," between thousands, read as an amount as x held to 15 digits or are
// refused; with words after them, they read as they did alone.
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

#include <optional>

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

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

// Qt's C locale, as the program's own form without grouping: the value, or an infinity for a
// number beyond the range of a double.
std::optional<double> CReading(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (ok ? std::isfinite(value) : std::isinf(value))
        return value;
    return std::nullopt;
}

// The head of an ASCII text: its sign, digits, separators and an exponent straight after a
// digit or a point, up to the first character that cannot go on a number.
QString HeadOf(const QString &text)
{
    static const QRegularExpression head(QStringLiteral(
        "^\\s*[+-]?(?:[0-9]|[.,'\\s]|(?<=[0-9.])[eE][+-]?(?=[0-9]))*"));
    return head.match(text).captured(0).trimmed();
}

// What the amount of a head may be, other than a refusal: the readings' one number, or
// LeadingNumber's where neither reads it; none where the readings give two numbers.
struct Expected
{
    bool twoNumbers = false;
    bool read = false; // by a reading, not by the leading-number rule
    double value = 0;
};

Expected ExpectedOf(const QString &head)
{
    const auto users = LocaleNumber(head);
    const auto own = head.contains(u',') ? std::nullopt : CReading(head);
    if (users && own && *users != *own)
        return {true};
    if (users || own)
        return {false, true, users ? *users : *own};
    return {false, false, LeadingNumber(head)};
}

bool IsAscii(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

std::string Described(const Amount &a)
{
    switch (a.reading) {
    case Amount::Reading::Whole: return "whole " + Shown(a.value);
    case Amount::Reading::Leading: return "leading " + Shown(a.value);
    case Amount::Reading::Refused: return "refused";
    }
    return "?";
}

bool SameOutcome(const Amount &a, const Amount &b)
{
    return a.reading == b.reading && (a.reading == Amount::Reading::Refused || SameBits(a.value, b.value));
}

// The text as other keyboards type it, each twin where it differs from the text.
QStringList TwinsOf(const QString &text)
{
    QString wide = text, spaced = text, minus = text;
    for (QChar &c : wide)
        if (c >= u'0' && c <= u'9')
            c = QChar(char16_t(0xff10 + (c.unicode() - u'0')));
    spaced.replace(u' ', u'\u00a0');
    minus.replace(u'-', u'\u2212');
    QStringList twins{u'\u200e' + text + u'\u200f'};
    for (const QString &t : {wide, spaced, minus})
        if (t != text)
            twins << t;
    return twins;
}

void CheckAmount(const QString &text)
{
    const Amount amount = AmountNumber(text);
    const std::string about = "text " + Shown(text) + " gives " + Described(amount);
    if (std::isnan(amount.value))
        Fail("AmountNumber gives no NaN", about);
    for (const QString &twin : TwinsOf(text))
        if (const Amount other = AmountNumber(twin); !SameOutcome(amount, other))
            Fail("a text and its keyboard twin give one outcome",
                 about + ", its twin " + Shown(twin) + " gives " + Described(other));
    if (amount.reading == Amount::Reading::Refused || !IsAscii(text))
        return;
    const bool whole = amount.reading == Amount::Reading::Whole;
    const QString head = whole ? text.trimmed() : HeadOf(text);
    const Expected expected = ExpectedOf(head);
    const std::string aboutHead = about + ", its head " + Shown(head);
    if (expected.twoNumbers)
        Fail("an amount whose head reads as two numbers is refused", aboutHead);
    if (whole && !expected.read)
        Fail("a whole amount is a number that a reading takes", aboutHead);
    if (amount.value != expected.value)
        Fail("an amount is the value of its head read alone",
             aboutHead + ", expected " + Shown(expected.value));
}

// x written by the locale without grouping and by the C locale with it, alone and with words.
void CheckWrittenAmount(double x, const Held &held)
{
    QLocale ungrouped;
    ungrouped.setNumberOptions(ungrouped.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale program = QLocale::c();
    program.setNumberOptions(QLocale::DefaultNumberOptions);
    for (const QString &number : {ungrouped.toString(x, 'g', 15), program.toString(x, 'g', 15)}) {
        const Amount alone = AmountNumber(number);
        const std::string about = "x " + Shown(x) + ", text " + Shown(number) + " gives " + Described(alone);
        if (alone.reading == Amount::Reading::Leading
            || (alone.reading == Amount::Reading::Whole && !(x == 0.0 ? alone.value == 0.0 : held.Matches(alone.value))))
            Fail("a number written as the locale or the program writes it is x held to 15 digits, or refused",
                 about + ", expected " + held.Shown());
        for (const QString &words : {QStringLiteral(" cubits"), QStringLiteral("cubits"),
                                     QStringLiteral(" \u0630\u0631\u0627\u0639")}) {
            const Amount withWords = AmountNumber(number + words);
            const bool same = alone.reading == Amount::Reading::Refused
                ? withWords.reading == Amount::Reading::Refused
                : withWords.reading == Amount::Reading::Leading && SameBits(withWords.value, alone.value);
            if (!same)
                Fail("a number with words after it reads as it would alone",
                     about + ", with " + Shown(words) + " after it " + Described(withWords));
        }
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

    CheckWrittenAmount(x, held);

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
