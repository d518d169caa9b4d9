#include "format/Numbers.h"

// The amount and the money multiples: a number as the user or the program writes it, read
// whole; a number mistyped or meaning two things refused rather than cut short in silence.

#include <QLocale>
#include <QRegularExpression>

#include "format/LocaleFacts.h"

namespace {

// The program's own form: "." as the decimal point and "," between every three digits of a
// number that does not begin with a zero.
std::optional<double> ProgramNumber(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^[+-]?(?:(?:[1-9][0-9]{0,2}(?:,[0-9]{3})+|[0-9]+)(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?$"));
    const QString t = text.trimmed();
    if (!shape.match(t).hasMatch())
        return std::nullopt;
    return LeadingNumber(QString(t).remove(u','));
}

// The length of the separator at i, or 0: what stands between the digits of a number as
// someone may have meant it, the program's, the user's own or other regions' ("1'000", "1 000").
qsizetype SeparatorAt(const QString &t, qsizetype i, const QLocale &locale)
{
    for (const QString &own : {locale.decimalPoint(), locale.groupSeparator()})
        if (!own.isEmpty() && QStringView(t).sliced(i).startsWith(own))
            return own.size();
    const QChar c = t[i];
    return c.isSpace() || c == u',' || c == u'.' || c == u'\'' || c == u'\u2019' ? 1 : 0;
}

// The text begins with a number, by the leading-number rule in the program's digits or the
// user's, that goes on directly with a separator and a digit: "0,750", "3 50", "1.500,00"
// under U.S. settings; "2,5 cubits" is no amount with words after it.
bool MistypedNumber(const QString &t, const QLocale &locale)
{
    const LocaleDigits digits = LocaleDigits::Of(locale);
    qsizetype i = 0;
    while (i < t.size() && (t[i].isSpace() || IsDirectionMark(t[i])))
        ++i;
    for (const QString &sign : {QStringLiteral("+"), QStringLiteral("-"), locale.negativeSign(), locale.positiveSign()})
        if (!sign.isEmpty() && QStringView(t).sliced(i).startsWith(sign)) {
            i += sign.size();
            break;
        }
    while (i < t.size() && IsDirectionMark(t[i]))
        ++i;
    auto skipDigits = [&] {
        qsizetype n = 0;
        while (const qsizetype w = digits.At(t, i)) {
            i += w;
            ++n;
        }
        return n;
    };
    qsizetype mantissa = skipDigits();
    if (i < t.size() && t[i] == u'.' && (mantissa > 0 || digits.At(t, i + 1))) {
        ++i;
        mantissa += skipDigits();
    }
    if (mantissa == 0)
        return false;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            ++j;
        if (digits.At(t, j)) {
            i = j;
            skipDigits();
        }
    }
    if (i >= t.size())
        return false;
    const qsizetype separator = SeparatorAt(t, i, locale);
    return separator > 0 && digits.At(t, i + separator) > 0;
}

} // namespace

Amount AmountNumber(const QString &text)
{
    using enum Amount::Reading;
    const std::optional<double> users = LocaleNumber(text);
    const std::optional<double> own = ProgramNumber(text);
    if (users && own)
        return *users == *own ? Amount{Whole, *users} : Amount{Refused};
    if (users || own)
        return {Whole, users ? *users : *own};
    if (MistypedNumber(text, QLocale()))
        return {Refused};
    return {Leading, LeadingNumber(text)};
}
