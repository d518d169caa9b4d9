#include "format/Numbers.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include <QLocale>

namespace {

// The 15 significant digits of a finite, non-zero magnitude, and the decimal exponent of the
// first: 1234.5 is "123450000000000" and 3.
struct FifteenDigits
{
    QString digits;
    int exponent;
};

FifteenDigits DigitsOf(double value)
{
    const QString e = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±XX
    return {e.left(1) + e.mid(2, 14), e.mid(e.indexOf(u'e') + 1).toInt()};
}

// strtod in the C locale, whatever LC_NUMERIC the application set.
double CDouble(const QByteArray &ascii)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(ascii.constData(), nullptr, c);
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The no-break spaces that some locales put between the digits, or between a number and
// its currency symbol, read as the blank a user types.
QString Blanked(const QString &text)
{
    QString t = text;
    return t.replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ');
}

// Blanks and tabs may surround a number in a box.
QString Unpadded(const QString &text) { return Blanked(text).trimmed(); }

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

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QByteArray number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += char(text[i++].unicode());
    bool digits = false;
    while (i < n && IsDigit(text[i])) {
        number += char(text[i++].unicode());
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            number += char(text[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // strtod takes the exponent only where digits follow its letter and sign.
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        qsizetype j = i + 1;
        number += 'e';
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            number += char(text[j++].unicode());
        while (j < n && IsDigit(text[j]))
            number += char(text[j++].unicode());
    }
    return CDouble(number);
}

QString NumberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0: a sign before nothing means nothing
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    // %g with 15 digits switches to the exponent form exactly below 1E-04 and from 1E+15.
    QString text = QString::number(value, 'g', 15);
    text.replace(u'e', u'E');
    return text;
}

std::optional<double> HeldTo15Digits(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double held = LeadingNumber(NumberText(value));
    if (!std::isfinite(held))
        return std::nullopt;
    return held;
}

QString PointText(double value)
{
    QString text = NumberText(value);
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    if (!text.startsWith(u'-'))
        text.prepend(u' ');
    return text;
}

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

double RoundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value) || value == 0.0)
        return value == 0.0 ? 0.0 : value;
    const auto [digits, exponent] = DigitsOf(value);
    const int kept = exponent + 1 + decimals; // digits before the rounding point
    if (kept >= 15)
        return value;
    if (kept < 0)
        return 0.0;
    QString whole = digits.left(kept);
    bool up = digits[kept] >= u'5';
    // Add one to the kept digits, carrying left.
    if (up) {
        int k = whole.size() - 1;
        while (k >= 0 && whole[k] == u'9') {
            whole[k] = u'0';
            --k;
        }
        if (k < 0)
            whole.prepend(u'1');
        else
            whole[k] = QChar(whole[k].unicode() + 1);
    }
    if (whole.isEmpty() || whole.count(u'0') == whole.size())
        return 0.0;
    const QByteArray decimal = (whole + QStringLiteral("e") + QString::number(-decimals)).toLatin1();
    const double rounded = CDouble(decimal);
    return value < 0 ? -rounded : rounded;
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
