// LocaleNumber under one locale (FUZZ_LOCALE, or OSTREVAN_FUZZ_LOCALE where set): any text,
// and the texts the program writes with the user's symbols read back.
//
// Any text reads as a finite number, as no number, or as an infinity where it has an exponent
// or more digits than a double holds before its point: a number beyond the range of a double.
// A text without an exponent whose only digit before its first separator is a zero ("0,750")
// reads as a number of magnitude below one, or as no number: no one groups after a zero.
//
// AmountNumber of any text, as the amount box and the money multiples read it, is never NaN,
// and a text and its twins (its digits full-width, direction marks around it, a no-break space
// for each blank, U+2212 for each "-", a word joiner between its characters) give one outcome.
// Of a text in ASCII, a whole amount is a number that people may mean by it, where Qt reads
// one (ReadingsOf); one with words after it reads as the number before its words does alone,
// and that number is one number, perhaps with separators after it: "1/2" is no 1.
//
// Numbers the fuzzer writes, as the locale writes them without grouping and as Qt's C locale
// writes them with "," between thousands: where people can mean no other number by the text,
// by Qt's C locale, by Qt under the user's settings or by a separator not the locale's own
// taken as either of the locale's, it reads as x held to 15 digits; where they may, as that or
// refused. With words after them, they read as they did alone.
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

#include <algorithm>
#include <optional>

#include <QLocale>
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

// The text's digits of every script as Latin ones: the fuzzer's own, apart from the program's.
QString LatinDigits(const QString &text)
{
    QString latin;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t u = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        if (QChar::category(u) == QChar::Number_DecimalDigit)
            latin += QChar(u'0' + QChar::digitValue(u));
        else
            latin += pair ? text.mid(i, 2) : QString(text[i]);
        i += pair ? 1 : 0;
    }
    return latin;
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
    // The locale's own exponent sign, in its digits or in Latin ones ("×10^" for fa_IR's "×۱۰^").
    const QString sign = QLocale().exponential();
    return digits > 308 || text.contains(sign) || LatinDigits(text).contains(LatinDigits(sign));
}

// The first digit of the text is a zero and the next character, invisible ones aside, is none:
// "0,750", "$0 750", "0.5".
bool ZeroBeforeItsFirstSeparator(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && !text[i].isDigit())
        ++i;
    if (i == text.size() || text[i].digitValue() != 0)
        return false;
    for (++i; i < text.size() && text[i].category() == QChar::Other_Format; ++i) {
    }
    return i < text.size() && !text[i].isDigit();
}

// A reading by Qt: the value, or an infinity for a number beyond the range of a double.
std::optional<double> QtRead(const QLocale &locale, const QString &text)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok ? std::isfinite(value) : std::isinf(value))
        return value;
    return std::nullopt;
}

// After its sign, a lone zero and then a character that is no digit: no one groups such a number.
bool ZeroLed(const QString &t)
{
    const qsizetype i = !t.isEmpty() && (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    return i + 1 < t.size() && t[i] == u'0' && !t[i + 1].isDigit();
}

// The text without each of the separators that three digits follow, as groups are.
QString WithoutGroupSeparators(const QString &t, const QString &separator)
{
    QString out;
    for (qsizetype i = 0; i < t.size();) {
        if (!separator.isEmpty() && QStringView(t).sliced(i).startsWith(separator)) {
            const qsizetype after = i + separator.size();
            qsizetype digits = after;
            while (digits < t.size() && t[digits].isDigit())
                ++digits;
            if (digits - after == 3) {
                i = after;
                continue;
            }
        }
        out += t[i++];
    }
    return out;
}

// The numbers that people may mean by an ASCII text or by one the fuzzer wrote, each from a source
// apart from the program: Qt's C locale, as the program's home convention writes numbers; Qt's
// reading under the user's settings, also with the locale's group separators taken out where
// Qt refuses a short leading group; and a "." or "," that is neither the locale's decimal
// point nor its group separator as either of them. No one groups after a lone leading zero.
// Where Qt reads a locale wrongly this says more numbers than people mean, never fewer: a text
// of one number here is one number.
QList<double> ReadingsOf(const QString &text)
{
    const QLocale locale;
    const QString t = LatinDigits(text.trimmed());
    const QString point = locale.decimalPoint(), group = locale.groupSeparator();
    const bool zeroLed = ZeroLed(t);
    QList<double> readings;
    auto add = [&readings](const std::optional<double> &v) {
        if (v && !readings.contains(*v))
            readings << *v;
    };
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::DefaultNumberOptions);
    if (!(zeroLed && t.contains(u',')))
        add(QtRead(c, t));
    const bool groupAfterZero = zeroLed && QStringView(t).sliced(t[0].isDigit() ? 1 : 2).startsWith(group);
    if (!groupAfterZero) {
        add(QtRead(locale, t));
        add(QtRead(locale, WithoutGroupSeparators(t, group)));
    }
    for (const QChar foreign : {u'.', u','}) {
        if (foreign == point || foreign == group || !t.contains(foreign))
            continue;
        add(QtRead(locale, QString(t).replace(foreign, point)));
        if (!zeroLed)
            add(QtRead(locale, WithoutGroupSeparators(t, foreign)));
    }
    return readings;
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

// The text as other keyboards type it, or a paste brings it, each twin where it differs from
// the text: its digits full-width, direction marks around it, a no-break space for each blank,
// U+2212 for each "-", and an invisible word joiner between every two of its characters.
QStringList TwinsOf(const QString &text)
{
    QString wide = text, spaced = text, minus = text, joined;
    for (QChar &c : wide)
        if (c >= u'0' && c <= u'9')
            c = QChar(char16_t(0xff10 + (c.unicode() - u'0')));
    spaced.replace(u' ', u'\u00a0');
    minus.replace(u'-', u'\u2212');
    for (qsizetype i = 0; i < text.size(); ++i) {
        joined += text[i];
        if (i + 1 < text.size() && !(text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()))
            joined += u'\u2060';
    }
    QStringList twins{u'\u200e' + text + u'\u200f'};
    for (const QString &t : {wide, spaced, minus, joined})
        if (t != text)
            twins << t;
    return twins;
}

// The ASCII text up to its first letter, without the signs and marks at its end that go on no
// number: what words after a number leave ("2,000 cubits" "2,000 ", "3.5%" "3.5", "2," "2,").
// None where that letter may be an exponent's, an "e" before a digit ("1E3 feet", "1.5.e3").
std::optional<QString> BeforeWords(const QString &t)
{
    qsizetype end = 0;
    while (end < t.size() && !t[end].isLetter())
        ++end;
    if (end < t.size() && (t[end] == u'e' || t[end] == u'E')) {
        const qsizetype digit = end + 1 < t.size() && (t[end + 1] == u'+' || t[end + 1] == u'-') ? end + 2 : end + 1;
        if (digit < t.size() && t[digit].isDigit())
            return std::nullopt;
    }
    static const QString marks = QStringLiteral(".,' ");
    while (end > 0 && !t[end - 1].isDigit() && !marks.contains(t[end - 1]))
        --end;
    if (std::none_of(t.begin(), t.begin() + end, [](QChar c) { return c.isDigit(); }))
        return QString();
    return t.left(end);
}

QString WithoutMarksAtTheEnd(QString t)
{
    while (!t.isEmpty() && !t.back().isDigit())
        t.chop(1);
    return t;
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
    if (amount.reading == Amount::Reading::Whole) {
        const QList<double> readings = ReadingsOf(text);
        if (!readings.isEmpty() && !readings.contains(amount.value))
            Fail("a whole amount is a number that people may mean by it", about);
        return;
    }
    // Words after a number change nothing: the number before them reads so alone.
    const std::optional<QString> before = BeforeWords(text.trimmed());
    if (!before)
        return;
    const QString &number = *before;
    if (number.isEmpty()) {
        if (amount.value != 0.0)
            Fail("a text without a number before its words reads as 0", about);
        return;
    }
    const Amount alone = AmountNumber(number);
    if (alone.reading == Amount::Reading::Refused || !SameBits(alone.value, amount.value))
        Fail("a number with words after it reads as it does alone",
             about + ", the number before its words " + Shown(number) + " gives " + Described(alone));
    // And that is one number, perhaps with separators after it: no number is cut short where no
    // words begin ("1/2", "- 4").
    const QString bare = WithoutMarksAtTheEnd(number);
    if (alone.reading != Amount::Reading::Whole && AmountNumber(bare).reading != Amount::Reading::Whole)
        Fail("a number is cut only where words begin",
             about + ", the number before its words " + Shown(number) + " is not one number alone");
}

// x written by the locale without grouping and by the C locale with it, alone and with words.
// Where people can mean only x by the text, it reads as x; where they may mean another number,
// it reads as x or is refused.
void CheckWrittenAmount(double x, const Held &held)
{
    QLocale ungrouped;
    ungrouped.setNumberOptions(ungrouped.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale program = QLocale::c();
    program.setNumberOptions(QLocale::DefaultNumberOptions);
    const auto isX = [&](double v) { return x == 0.0 ? v == 0.0 : held.Matches(v); };
    for (const QString &number : {ungrouped.toString(x, 'g', 15), program.toString(x, 'g', 15)}) {
        const Amount alone = AmountNumber(number);
        const QList<double> readings = ReadingsOf(number);
        const bool onlyX = std::all_of(readings.begin(), readings.end(), isX);
        const std::string about = "x " + Shown(x) + ", text " + Shown(number) + " gives " + Described(alone);
        if (onlyX ? !(alone.reading == Amount::Reading::Whole && isX(alone.value))
                  : !(alone.reading == Amount::Reading::Refused || (alone.reading == Amount::Reading::Whole && isX(alone.value))))
            Fail(onlyX ? "a number written as the locale or the program writes it, which means x alone, is x held to 15 digits"
                       : "a number written as the locale or the program writes it is x held to 15 digits, or refused",
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
