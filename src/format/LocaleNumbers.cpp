#include "format/Numbers.h"

// The conversions that follow the user's settings, through the default QLocale.

#include <cmath>

#include <QLocale>

namespace {

// The no-break spaces that some locales put between the digits, or between a number and
// its currency symbol, read as the blank a user types.
QString Blanked(const QString &text)
{
    QString t = text;
    return t.replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ');
}

// Right-to-left locales write direction marks around the minus ("\u200e-2") and in their
// currency symbols, which Qt's own reading rejects; they carry no meaning for the value.
QString WithoutMarks(const QString &text)
{
    QString t = text;
    for (const char16_t mark : {u'\u200e', u'\u200f', u'\u061c'})
        t.remove(QChar(mark));
    return Blanked(t);
}

QString Unmarked(const QString &text) { return WithoutMarks(text).trimmed(); }

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

// A number as the locale writes it, or failing that with "." as the decimal point.
// Qt checks the places of the group separators; a blank counts as the locale's own
// separator where that is a blank of some kind, and nowhere else.
std::optional<double> PlainNumber(const QLocale &locale, QString t)
{
    if (Blanked(locale.groupSeparator()) == QStringLiteral(" "))
        t.replace(u' ', locale.groupSeparator());
    bool ok = false;
    double value = locale.toDouble(t, &ok);
    if (!ok)
        value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
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

// The forms of the locale's currency format, with its symbol, with the currency's ISO code
// in its place ("350.00 CHF") and without either; and a minus before the positive forms
// ("-$5.00" beside the U.S. "($5.00)").
QList<CurrencyForm> CurrencyForms(const QLocale &locale)
{
    QList<CurrencyForm> forms;
    auto add = [&forms](const CurrencyForm &form) {
        if (!forms.contains(form))
            forms << form;
    };
    // CurrencyText writes the first, whether or not the locale has a symbol.
    for (const QString &symbol : {locale.currencySymbol(), locale.currencySymbol(QLocale::CurrencyIsoCode)}) {
        const QString shown = Unmarked(symbol);
        if (shown.isEmpty() && !forms.isEmpty())
            continue;
        for (const bool negative : {false, true}) {
            const std::optional<CurrencySides> sides = SidesOf(locale, symbol, negative);
            if (!sides)
                continue;
            // Blanks at the ends of the whole form are padding; those beside the number are not.
            const CurrencyForm form{TrimmedStart(WithoutMarks(sides->before)),
                                    TrimmedEnd(WithoutMarks(sides->after)), negative};
            const CurrencyForm bare = shown.isEmpty()
                ? form
                : CurrencyForm{WithoutSymbol(form.before, shown, true),
                               WithoutSymbol(form.after, shown, false), negative};
            for (const CurrencyForm &f : {form, bare}) {
                add(f);
                if (!negative)
                    for (const QString &minus : {Unmarked(locale.negativeSign()), QStringLiteral("-")})
                        add({minus + f.before, f.after, true});
            }
        }
    }
    return forms;
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
std::optional<double> ReadAs(const CurrencyForm &form, const QString &t, const QLocale &locale)
{
    qsizetype begin = 0, end = t.size();
    if (!StripBefore(t, begin, end, form.before) || !StripAfter(t, begin, end, form.after))
        return std::nullopt;
    const QString number = t.mid(begin, end - begin);
    if (number.isEmpty() || number.front() == u' ' || number.back() == u' ')
        return std::nullopt;
    if (form.negative && StartsWithSign(number, locale))
        return std::nullopt;
    const auto value = PlainNumber(locale, number);
    if (!value)
        return std::nullopt;
    return form.negative ? -*value : *value;
}

} // namespace

std::optional<double> LocaleNumber(const QString &text)
{
    const QLocale locale;
    const QString t = Unmarked(text);
    if (t.isEmpty())
        return std::nullopt;
    if (const auto plain = PlainNumber(locale, t))
        return plain;
    for (const CurrencyForm &form : CurrencyForms(locale))
        if (const auto amount = ReadAs(form, t, locale))
            return amount;
    return std::nullopt;
}

QString CurrencyText(double value)
{
    const QLocale locale;
    const double rounded = RoundHalfAway(value, 2);
    if (!std::isfinite(rounded) || std::fabs(rounded) < 1e15)
        return locale.toCurrencyString(rounded, locale.currencySymbol(), 2);

    // Qt would write every binary digit of so large a double; show its 15 digits, then zeros.
    const auto [fifteen, exponent] = DigitsOf(rounded);
    const QString digits = fifteen.leftJustified(exponent + 1, u'0');
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += locale.groupSeparator();
        grouped += digits[i];
    }
    // The user's currency form around the number, taken from the form of one unit.
    const CurrencySides sides = SidesOf(locale, locale.currencySymbol(), rounded < 0).value_or(CurrencySides{});
    return sides.before + grouped + locale.decimalPoint() + QStringLiteral("00") + sides.after;
}

QString MaskText(double value, const QString &mask)
{
    const qsizetype point = mask.indexOf(u'.');
    const QString decimalsPart = point < 0 ? QString() : mask.mid(point + 1);
    const int maxDecimals = int(decimalsPart.size());
    const int minDecimals = int(decimalsPart.count(u'0'));
    const bool grouping = mask.left(point < 0 ? mask.size() : point).contains(u',');

    QLocale locale;
    locale.setNumberOptions(grouping ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString text = locale.toString(RoundHalfAway(value, maxDecimals), 'f', maxDecimals);
    if (maxDecimals > minDecimals) {
        const QString separator = locale.decimalPoint();
        qsizetype drop = 0;
        while (drop < maxDecimals - minDecimals && text.at(text.size() - 1 - drop) == u'0')
            ++drop;
        text.chop(drop);
        if (drop == maxDecimals && text.endsWith(separator))
            text.chop(separator.size());
    }
    return text;
}

void UseHomeConventionsForBareLocale()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
