#include "format/Numbers.h"

// The conversions that follow the user's settings, through the default QLocale.

#include <cmath>
#include <memory>
#include <vector>

#include <QLocale>
#include <QRegularExpression>

namespace {

// What a keyboard types for what the locale writes: full-width and half-width forms as their
// plain ones ("３５０", "￥"), the no-break spaces some locales put between the digits or
// beside a currency symbol as a blank, a curly apostrophe as a straight one. Right-to-left
// locales write direction marks around the minus ("\u200e-2") and in their currency symbols,
// which Qt's own reading rejects; they carry no meaning for the value and go.
QString Typed(const QString &text)
{
    QString t;
    t.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\u200e' || c == u'\u200f' || c == u'\u061c')
            continue;
        if (c == u'\u2019')
            t += u'\'';
        else if (const auto tag = c.decompositionTag();
                 tag == QChar::Wide || tag == QChar::Narrow || tag == QChar::NoBreak)
            t += c.decomposition();
        else
            t += c;
    }
    return t;
}

QString Unmarked(const QString &text) { return Typed(text).trimmed(); }

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

// The locale's digits, and the Latin ones that Qt reads in every locale. Some locales write
// digits beyond the 16-bit range, two UTF-16 units each.
struct Digits
{
    char32_t zero;
    qsizetype width;

    // The length of the digit that starts at i, or 0 where none does.
    qsizetype At(const QString &t, qsizetype i) const
    {
        if (i >= t.size())
            return 0;
        if (t[i] >= u'0' && t[i] <= u'9')
            return 1;
        if (i + width > t.size())
            return 0;
        const char32_t c = width == 2 && t[i].isHighSurrogate() ? QChar::surrogateToUcs4(t[i], t[i + 1])
                                                                : char32_t(t[i].unicode());
        return c >= zero && c <= zero + 9 ? width : 0;
    }

    bool IsZero(const QString &t, qsizetype i) const
    {
        const qsizetype w = At(t, i);
        const char32_t c = w ? QStringView(t).sliced(i, w).toUcs4().value(0) : 0;
        return w && (c == U'0' || c == zero);
    }

    // Where the first digit of the text starts, or its end.
    qsizetype First(const QString &t) const
    {
        qsizetype i = 0;
        while (i < t.size() && !At(t, i))
            ++i;
        return i;
    }
};

// ---- Digit grouping ----
// Qt 6.4 mishandles the minimum grouping digits of locales such as es_ES, pl_PL, pt_PT and
// bg_BG, which group four-digit numbers not at all but longer ones in full: toString and
// toCurrencyString merge a leading group shorter than that minimum into the next
// ("1209.600,00" for 1.209.600,00), and toDouble refuses such a leading group ("1.000,00").
// Qt's group sizes are right; so the numbers are written without separators and grouped
// here, and a number Qt refuses is read again without separators that stand in the locale's
// places. This can go once Qt groups these locales correctly.
struct Grouping
{
    QString separator;
    int first = 0;   // digits of the last group before the point, 0 where the locale groups none
    int higher = 0;  // digits of each group before it
    int minimum = 1; // digits a leading group needs before the number is grouped at all
};

// The sizes of the digit groups that start at the first digit, parted by the separator, and
// where they end; a separator that no digit follows ends them.
QList<int> GroupSizes(const QString &t, const Digits &digits, const QString &separator, qsizetype &end)
{
    QList<int> sizes{0};
    qsizetype i = digits.First(t);
    end = i;
    while (true) {
        if (const qsizetype w = digits.At(t, i)) {
            ++sizes.back();
            i += w;
            end = i;
        } else if (!separator.isEmpty() && sizes.back() > 0 && QStringView(t).sliced(i).startsWith(separator)
                   && digits.At(t, i + separator.size())) {
            sizes << 0;
            i += separator.size();
        } else {
            return sizes;
        }
    }
}

// The group sizes as Qt writes them, from the rightmost groups of a long number, where the
// fault cannot reach; the minimum from the shortest number Qt groups.
Grouping GroupingOf(QLocale locale, const Digits &digits)
{
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    Grouping g{locale.groupSeparator()};
    qsizetype end = 0;
    const QList<int> sizes = GroupSizes(locale.toString(1234567890123456789LL), digits, g.separator, end);
    if (sizes.size() < 3)
        return {};
    g.first = sizes.last();
    g.higher = sizes[sizes.size() - 2];
    qlonglong n = 1;
    for (int i = 1; i < g.first; ++i)
        n *= 10;
    for (g.minimum = 1; g.first + g.minimum < 18; ++g.minimum)
        if (locale.toString(n *= 10).contains(g.separator))
            break;
    return g;
}

// An ungrouped number ("1209600,00") with its integer digits grouped as the locale groups them.
QString Grouped(const Grouping &g, const Digits &digits, const QString &text)
{
    if (g.first <= 0)
        return text;
    const qsizetype begin = digits.First(text);
    QList<qsizetype> starts;
    qsizetype end = begin;
    while (const qsizetype w = digits.At(text, end)) {
        starts << end;
        end += w;
    }
    const qsizetype n = starts.size();
    if (n < g.first + g.minimum)
        return text;
    QString out = text.left(begin);
    for (qsizetype k = 0; k < n; ++k) {
        const qsizetype right = n - k; // this digit and those after it
        if (k > 0 && right >= g.first && (right - g.first) % g.higher == 0)
            out += g.separator;
        out += text.mid(starts[k], (k + 1 < n ? starts[k + 1] : end) - starts[k]);
    }
    return out + text.mid(end);
}

// The number without its group separators where every one stands in the locale's places,
// whatever the length of the leading group; none where there is no separator to take out or
// one stands elsewhere, or where the number starts with a zero ("0.500" is no grouped 500).
std::optional<QString> Ungrouped(const Grouping &g, const Digits &digits, const QString &text)
{
    if (g.first <= 0 || !text.contains(g.separator))
        return std::nullopt;
    qsizetype end = 0;
    const QList<int> sizes = GroupSizes(text, digits, g.separator, end);
    const qsizetype begin = digits.First(text);
    if (sizes.size() < 2 || sizes.last() != g.first || sizes.front() > g.higher
        || text.indexOf(g.separator, end) >= 0 || digits.IsZero(text, begin))
        return std::nullopt;
    for (qsizetype i = 1; i + 1 < sizes.size(); ++i)
        if (sizes[i] != g.higher)
            return std::nullopt;
    return text.left(begin) + text.mid(begin, end - begin).remove(g.separator) + text.mid(end);
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
            const CurrencyForm form{TrimmedStart(Typed(sides->before)), TrimmedEnd(Typed(sides->after)), negative};
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
        : locale(l), plain(l), zero(l.zeroDigit()), digits{zero.toUcs4().value(0, U'0'), zero.size()},
          grouping(GroupingOf(l, digits)), groupsAmounts(!(l.numberOptions() & QLocale::OmitGroupSeparator)),
          positive(SidesOf(l, l.currencySymbol(), false).value_or(CurrencySides{})),
          negative(SidesOf(l, l.currencySymbol(), true).value_or(CurrencySides{})), forms(CurrencyForms(l))
    {
        plain.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    }

    QLocale locale;
    QLocale plain; // writes no group separators
    QString zero;
    Digits digits;
    Grouping grouping;
    bool groupsAmounts; // the locale's own numbers have group separators
    CurrencySides positive;
    CurrencySides negative;
    QList<CurrencyForm> forms;
};

// The program keeps one locale; tests and fuzzers switch among a few.
const Conventions &ConventionsOf(const QLocale &locale)
{
    static std::vector<std::unique_ptr<Conventions>> known;
    for (const auto &c : known)
        if (c->locale == locale)
            return *c;
    if (known.size() == 8)
        known.erase(known.begin());
    known.push_back(std::make_unique<Conventions>(locale));
    return *known.back();
}

// Qt's reading: the value; an infinity of its sign for a number beyond the range of a double,
// where Qt gives the infinity and says it failed. "inf" and "nan" are no number.
std::optional<double> QtReading(const QLocale &locale, const QString &t)
{
    bool ok = false;
    const double value = locale.toDouble(t, &ok);
    if (ok ? std::isfinite(value) : std::isinf(value))
        return value;
    return std::nullopt;
}

// "1.500" where "." is neither the locale's decimal point nor its group separator, or "1,500"
// where "," is neither, may be a whole number grouped or one with three decimals.
bool Ambiguous(const QLocale &locale, const QString &t)
{
    static const QRegularExpression shape(QStringLiteral("^[+-]?[0-9]+([.,])[0-9]{3}$"));
    const QRegularExpressionMatch match = shape.match(t);
    return match.hasMatch() && match.captured(1) != locale.decimalPoint()
        && match.captured(1) != locale.groupSeparator();
}

// A number as the locale writes it, or failing that with "." as the decimal point, where
// its writer cannot have meant anything else. Qt checks the places of the group separators;
// a typed blank or apostrophe counts as the locale's own separator where that is a blank or
// apostrophe of some kind, and nowhere else.
std::optional<double> PlainNumber(const Conventions &c, QString t)
{
    for (const QString &own : {c.locale.groupSeparator(), c.locale.decimalPoint()})
        if (const QString typed = Typed(own); !typed.isEmpty() && typed != own)
            t.replace(typed, own);
    if (const auto value = QtReading(c.locale, t))
        return value;
    if (const auto ungrouped = Ungrouped(c.grouping, c.digits, t))
        if (const auto value = QtReading(c.locale, *ungrouped))
            return value;
    if (Ambiguous(c.locale, t))
        return std::nullopt;
    return QtReading(QLocale::c(), t);
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

std::optional<double> LocaleNumber(const QString &text)
{
    const Conventions &c = ConventionsOf(QLocale());
    const QString t = Unmarked(text);
    if (t.isEmpty())
        return std::nullopt;
    if (const auto plain = PlainNumber(c, t))
        return plain;
    for (const CurrencyForm &form : c.forms)
        if (const auto amount = ReadAs(form, t, c))
            return amount;
    return std::nullopt;
}

QString CurrencyText(double value)
{
    const Conventions &c = ConventionsOf(QLocale());
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
    return sides.before + (c.groupsAmounts ? Grouped(c.grouping, c.digits, number) : number) + sides.after;
}

QString MaskText(double value, const QString &mask)
{
    const qsizetype point = mask.indexOf(u'.');
    const QString decimalsPart = point < 0 ? QString() : mask.mid(point + 1);
    const int maxDecimals = int(decimalsPart.size());
    const int minDecimals = int(decimalsPart.count(u'0'));
    const bool grouping = mask.left(point < 0 ? mask.size() : point).contains(u',');

    const Conventions &c = ConventionsOf(QLocale());
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
    return grouping ? Grouped(c.grouping, c.digits, text) : text;
}

void UseHomeConventionsForBareLocale()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
