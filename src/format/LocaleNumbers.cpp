#include "format/Numbers.h"

// The conversions that follow the user's settings, through the default QLocale.

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include <QLocale>
#include <QRegularExpression>

#include "format/LocaleNumbers.h"
#include "format/QtCorrections.h"
#include "format/TypedText.h"

namespace {

// What the user typed, as every reading sees it (PlainForm), without the blanks at its ends.
QString Unmarked(const QString &text) { return PlainForm(text).trimmed(); }

QString TrimmedStart(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return text.mid(i);
}

QString TrimmedEnd(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return text.left(n);
}

// The user's currency form of one unit, around its number: what stands before and after it.
struct CurrencySides
{
    QString before;
    QString after;
};

std::optional<CurrencySides> SidesOf(const QLocale &locale, const QString &symbol, bool negative)
{
    const QString written = locale.toCurrencyString(negative ? -1.0 : 1.0, symbol, 2);
    const QString one = locale.toString(1.0, 'f', 2);
    const qsizetype at = written.indexOf(one);
    if (at < 0)
        return std::nullopt;
    return CurrencySides{written.left(at), written.mid(at + one.size())};
}

// One way the locale writes an amount of money: what stands before and after the number,
// and whether that form itself makes the amount negative.
struct CurrencyForm
{
    QString before;
    QString after;
    bool negative = false;
    bool operator==(const CurrencyForm &) const = default;
};

// Removes the symbol from a side of a form, with the blank that parts it from the number.
QString WithoutSymbol(const QString &side, const QString &symbol, bool before)
{
    const qsizetype at = side.indexOf(symbol);
    if (at < 0)
        return side;
    qsizetype from = at, to = at + symbol.size();
    if (before && to < side.size() && side[to] == u' ')
        ++to;
    else if (!before && from > 0 && side[from - 1] == u' ')
        --from;
    return side.left(from) + side.mid(to);
}

void Add(QList<CurrencyForm> &forms, const CurrencyForm &form)
{
    if (!forms.contains(form))
        forms << form;
}

// The forms of the locale's currency format, with its symbol, with the currency's ISO code
// in its place ("350.00 CHF") and without either; and a minus before the positive forms
// ("-$5.00" beside the U.S. "($5.00)"). Beside them the symbol or the code once at the other
// end of the number, or with a blank where the locale puts none ("CHF 350", "350 $"), next
// to the number or outside its sign.
QList<CurrencyForm> CurrencyForms(const QLocale &locale)
{
    QList<CurrencyForm> forms, bare;
    QStringList symbols;
    auto addSigned = [&locale](QList<CurrencyForm> &list, const CurrencyForm &f) {
        Add(list, f);
        if (!f.negative)
            for (const QString &minus : {Unmarked(locale.negativeSign()), QStringLiteral("-")})
                Add(list, {minus + f.before, f.after, true});
    };
    // CurrencyText writes the first, whether or not the locale has a symbol.
    for (const QString &symbol : {locale.currencySymbol(), locale.currencySymbol(QLocale::CurrencyIsoCode)}) {
        const QString shown = Unmarked(symbol);
        if (shown.isEmpty() && !forms.isEmpty())
            continue;
        if (!shown.isEmpty() && !symbols.contains(shown))
            symbols << shown;
        for (const bool negative : {false, true}) {
            const std::optional<CurrencySides> sides = SidesOf(locale, symbol, negative);
            if (!sides)
                continue;
            // Blanks at the ends of the whole form are padding; those beside the number are not.
            const CurrencyForm form{TrimmedStart(PlainForm(sides->before)), TrimmedEnd(PlainForm(sides->after)), negative};
            const CurrencyForm without = shown.isEmpty()
                ? form
                : CurrencyForm{WithoutSymbol(form.before, shown, true),
                               WithoutSymbol(form.after, shown, false), negative};
            for (const CurrencyForm &f : {form, without})
                addSigned(forms, f);
            // Where the locale has no symbol, Qt wrote the code in its place: no bare form.
            if (!shown.isEmpty())
                addSigned(bare, without);
        }
    }
    for (const CurrencyForm &b : bare) {
        for (const QString &s : symbols) {
            Add(forms, {b.before + s + u' ', b.after, b.negative});
            Add(forms, {b.before, u' ' + s + b.after, b.negative});
            Add(forms, {s + u' ' + b.before, b.after, b.negative});
            Add(forms, {b.before, b.after + u' ' + s, b.negative});
        }
    }
    return forms;
}

// All that the conversions take from one locale, worked out once.
struct Conventions
{
    explicit Conventions(const QLocale &l)
        : locale(l), plain(l), zero(l.zeroDigit()), digits(LocaleDigits::Of(l)),
          grouping(GroupingOf(l, digits)), exponentSign(ExponentSignOf(l)),
          corrections(l, digits, grouping, exponentSign),
          groupsAmounts(!(l.numberOptions() & QLocale::OmitGroupSeparator)),
          positive(SidesOf(l, l.currencySymbol(), false).value_or(CurrencySides{})),
          negative(SidesOf(l, l.currencySymbol(), true).value_or(CurrencySides{})), forms(CurrencyForms(l))
    {
        plain.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    }

    QLocale locale;
    QLocale plain; // writes no group separators
    QString zero;
    LocaleDigits digits;
    Grouping grouping;
    QString exponentSign; // empty where it is "E"
    QtCorrections corrections;
    bool groupsAmounts; // the locale's own numbers have group separators
    CurrencySides positive;
    CurrencySides negative;
    QList<CurrencyForm> forms;
};

// The program keeps one locale; tests and fuzzers switch among a few. A caller keeps what it
// was given for as long as it holds it, even where asking for another locale drops it here.
std::shared_ptr<const Conventions> ConventionsOf(const QLocale &locale)
{
    static std::vector<std::shared_ptr<const Conventions>> known;
    for (const auto &c : known)
        if (c->locale == locale)
            return c;
    if (known.size() == 8)
        known.erase(known.begin());
    known.push_back(std::make_shared<const Conventions>(locale));
    return known.back();
}

// "1.500" where "." is neither the locale's decimal point nor its group separator, or "1,500"
// where "," is neither, may be a whole number grouped or one with three decimals: a lone such
// separator with as many digits after it as the locale's last group, and before it no more
// than a leading group holds. After more ("1234.567") it can only be a decimal point.
bool Ambiguous(const Conventions &c, const QString &t)
{
    static const QRegularExpression shape(QStringLiteral("^[+-]?([0-9]+)([.,])([0-9]+)$"));
    const QRegularExpressionMatch match = shape.match(t);
    if (!match.hasMatch() || match.captured(2) == c.locale.decimalPoint()
        || match.captured(2) == c.locale.groupSeparator())
        return false;
    // A locale that groups none says nothing of its writers' groups: take those most regions write.
    const Grouping &g = c.grouping;
    const int last = g.last > 0 ? g.last : 3, leading = g.last > 0 ? g.higher : 3;
    return match.capturedLength(3) == last && match.capturedLength(1) <= leading;
}

// The start and length of each run of other characters between the digits of the text's
// mantissa, from its first digit to its exponent sign or its end.
QList<std::pair<qsizetype, qsizetype>> Separators(const Conventions &c, const QString &t, qsizetype first)
{
    qsizetype end = first;
    while (end < t.size() && !ExponentSignAt(t, end, c.exponentSign))
        ++end;
    QList<std::pair<qsizetype, qsizetype>> runs;
    for (qsizetype i = first; i < end;) {
        if (const qsizetype w = c.digits.At(t, i)) {
            i += w;
            continue;
        }
        qsizetype j = i;
        while (j < end && !c.digits.At(t, j))
            ++j;
        if (j == end)
            break; // what follows the last digit parts nothing
        runs.emplace_back(i, j - i);
        i = j;
    }
    return runs;
}

// No one groups a number whose integer digits begin with a zero ("0,750" is no 750 under U.S.
// settings). Its one separator is its decimal point: the locale's own, or a "." whatever the
// locale ("0.750" is 0.75 under German settings too, as in the start texts). Any other
// separator, or more than one, and it is no number.
std::optional<double> ZeroLedNumber(const Conventions &c, const QString &t, qsizetype first)
{
    const auto runs = Separators(c, t, first);
    if (runs.size() > 1)
        return std::nullopt;
    const QString separator = runs.isEmpty() ? QString() : t.mid(runs.front().first, runs.front().second);
    if (runs.isEmpty() || separator == c.locale.decimalPoint()) {
        if (const auto value = c.corrections.Read(t))
            return value;
        return ProgramNumber(t); // Qt refuses a number below the range of a double: a zero
    }
    const qsizetype at = runs.front().first;
    if (separator != u'.')
        return std::nullopt;
    if (const auto value = c.corrections.Read(t.left(at) + c.locale.decimalPoint() + t.mid(at + 1)))
        return value;
    return ProgramNumber(t);
}

// A number as the locale writes it, or failing that in the program's home convention, where
// its writer cannot have meant anything else; twoWays says where they may have ("1.500" under
// French settings). Qt checks the places of the group separators; a typed blank or apostrophe
// counts as the locale's own separator where that is a blank or apostrophe of some kind, and
// nowhere else. Under settings that are not theirs, the Arabic separators stand for the
// locale's own ("١٢٫٥" is 12.5 under U.S. settings).
std::optional<double> PlainNumber(const Conventions &c, QString t, bool *twoWays = nullptr)
{
    const QString group = c.locale.groupSeparator(), point = c.locale.decimalPoint();
    for (const QString &own : {group, point})
        if (const QString typed = PlainForm(own); !typed.isEmpty() && typed != own)
            t.replace(typed, own);
    for (const auto &[arabic, own] : {std::pair{ArabicDecimalSeparator, point}, std::pair{ArabicThousandsSeparator, group}})
        if (arabic != group && arabic != point)
            t.replace(arabic, own);
    if (const qsizetype first = c.digits.First(t); c.digits.IsZero(t, first))
        return ZeroLedNumber(c, t, first);
    if (const auto value = c.corrections.Read(t))
        return value;
    if (Ambiguous(c, t)) {
        if (twoWays)
            *twoWays = true;
        return std::nullopt;
    }
    return ProgramNumber(t);
}

// Matches a side of a form at one end of the text; a blank of the form may be left out.
bool StripBefore(const QString &t, qsizetype &begin, qsizetype end, const QString &side)
{
    for (const QChar c : side) {
        if (begin < end && t[begin] == c)
            ++begin;
        else if (c != u' ')
            return false;
    }
    return true;
}

bool StripAfter(const QString &t, qsizetype begin, qsizetype &end, const QString &side)
{
    for (qsizetype i = side.size() - 1; i >= 0; --i) {
        if (end > begin && t[end - 1] == side[i])
            --end;
        else if (side[i] != u' ')
            return false;
    }
    return true;
}

bool StartsWithSign(const QString &t, const QLocale &locale)
{
    for (const QString &sign : {Unmarked(locale.negativeSign()), Unmarked(locale.positiveSign()),
                                QStringLiteral("-"), QStringLiteral("+")})
        if (!sign.isEmpty() && t.startsWith(sign))
            return true;
    return false;
}

// The text as one currency form: the symbol once and where the form puts it, blanks only
// where the form has them, and no second sign inside a negative form.
std::optional<double> ReadAs(const CurrencyForm &form, const QString &t, const Conventions &c)
{
    qsizetype begin = 0, end = t.size();
    if (!StripBefore(t, begin, end, form.before) || !StripAfter(t, begin, end, form.after))
        return std::nullopt;
    const QString number = t.mid(begin, end - begin);
    if (number.isEmpty() || number.front() == u' ' || number.back() == u' ')
        return std::nullopt;
    if (form.negative && StartsWithSign(number, c.locale))
        return std::nullopt;
    const auto value = PlainNumber(c, number);
    if (!value)
        return std::nullopt;
    return form.negative ? -*value : *value;
}

} // namespace

UsersReading ReadAsTheUserWrites(const QString &t)
{
    const auto conventions = ConventionsOf(QLocale());
    const Conventions &c = *conventions;
    if (t.isEmpty())
        return {};
    bool twoWays = false;
    if (const auto plain = PlainNumber(c, t, &twoWays))
        return {plain};
    // No currency form makes a number of what may be two.
    if (twoWays)
        return {std::nullopt, true};
    for (const CurrencyForm &form : c.forms)
        if (const auto amount = ReadAs(form, t, c))
            return {amount};
    return {};
}

std::optional<double> LocaleNumber(const QString &text)
{
    // A point at the end says nothing more: "1,000." is what "1,000" is, not the program's 1000.
    QString t = Unmarked(text);
    if (EndsInAPoint(t))
        t.chop(1);
    return ReadAsTheUserWrites(t).value;
}

QString CurrencyText(double value)
{
    const auto conventions = ConventionsOf(QLocale());
    const Conventions &c = *conventions;
    const double rounded = RoundHalfAway(value, 2);
    if (!std::isfinite(rounded))
        return c.locale.toCurrencyString(rounded, c.locale.currencySymbol(), 2);

    QString number;
    if (std::fabs(rounded) < 1e15) {
        number = c.plain.toString(std::fabs(rounded), 'f', 2);
    } else {
        // Qt would write every binary digit of so large a double; show its 15 digits, then zeros.
        const auto [fifteen, exponent] = DigitsOf(rounded);
        number = c.plain.toString(fifteen.toLongLong()) + c.zero.repeated(exponent - 14)
            + c.locale.decimalPoint() + c.zero.repeated(2);
    }
    // The user's currency form around the number, taken from the form of one unit.
    const CurrencySides &sides = rounded < 0 ? c.negative : c.positive;
    return sides.before + (c.groupsAmounts ? c.corrections.Grouped(number) : number) + sides.after;
}

QString MaskText(double value, const QString &mask)
{
    const qsizetype point = mask.indexOf(u'.');
    const QString decimalsPart = point < 0 ? QString() : mask.mid(point + 1);
    const int maxDecimals = int(decimalsPart.size());
    const int minDecimals = int(decimalsPart.count(u'0'));
    const bool grouping = mask.left(point < 0 ? mask.size() : point).contains(u',');

    const auto conventions = ConventionsOf(QLocale());
    const Conventions &c = *conventions;
    QString text = c.plain.toString(RoundHalfAway(value, maxDecimals), 'f', maxDecimals);
    if (maxDecimals > minDecimals) {
        const QString separator = c.locale.decimalPoint();
        qsizetype drop = 0;
        while (drop < maxDecimals - minDecimals && text.endsWith(c.zero)) {
            text.chop(c.zero.size());
            ++drop;
        }
        if (drop == maxDecimals && text.endsWith(separator))
            text.chop(separator.size());
    }
    return grouping ? c.corrections.Grouped(text) : text;
}

void UseHomeConventionsForBareLocale()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
