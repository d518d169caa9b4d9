#include "format/QtCorrections.h"

#include <cmath>

#include <QList>
#include <QStringView>

// Two faults of Qt 6.4.
//
// Minimum grouping digits. Locales such as es_ES, pl_PL, pt_PT and bg_BG group four-digit
// numbers not at all but longer ones in full. toString and toCurrencyString merge a leading
// group shorter than that minimum into the next ("1209.600,00" for 1.209.600,00), and toDouble
// refuses such a leading group ("1.000,00"). Qt's group sizes are right; so numbers are
// written without separators and grouped here, and a number Qt refuses is read again without
// separators that stand in the locale's places.
//
// The exponent sign. Where a locale has its own ("اس" in ar_EG, "×۱۰^" in fa_IR, "×10^" in
// sv_SE), toString writes it ("١اس+٠٣" for 1E3) and toDouble refuses it, though it reads the
// same number with an "E" ("١E+٠٣").

namespace {

using Grouping = QtCorrections::Grouping;

// The sizes of the digit groups that start at the first digit, parted by the separator, and
// where they end; a separator that no digit follows ends them.
QList<int> GroupSizes(const QString &t, const LocaleDigits &digits, const QString &separator, qsizetype &end)
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
Grouping GroupingOf(QLocale locale, const LocaleDigits &digits)
{
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    Grouping g{locale.groupSeparator()};
    qsizetype end = 0;
    const QList<int> sizes = GroupSizes(locale.toString(1234567890123456789LL), digits, g.separator, end);
    if (sizes.size() < 3)
        return {};
    g.last = sizes.last();
    g.higher = sizes[sizes.size() - 2];
    qlonglong n = 1;
    for (int i = 1; i < g.last; ++i)
        n *= 10;
    for (g.minimum = 1; g.last + g.minimum < 18; ++g.minimum)
        if (locale.toString(n *= 10).contains(g.separator))
            break;
    return g;
}

// The locale's exponent sign as a keyboard types it, or none where Qt reads it.
QString OwnExponentSign(const QLocale &locale)
{
    QString sign = locale.exponential();
    for (const QChar mark : {u'\u200e', u'\u200f', u'\u061c'})
        sign.remove(mark);
    if (sign.compare(QStringLiteral("e"), Qt::CaseInsensitive) == 0)
        return {};
    return sign;
}

} // namespace

std::optional<double> QtReading(const QLocale &locale, const QString &text)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok ? std::isfinite(value) : std::isinf(value))
        return value;
    return std::nullopt;
}

QtCorrections::QtCorrections(const QLocale &locale, const LocaleDigits &digits)
    : locale_(locale), digits_(digits), grouping_(GroupingOf(locale, digits)), exponential_(OwnExponentSign(locale))
{
}

std::optional<double> QtCorrections::Read(const QString &text) const
{
    QString t = text;
    if (!exponential_.isEmpty())
        t.replace(exponential_, QStringLiteral("E"));
    if (const auto value = QtReading(locale_, t))
        return value;
    if (const auto ungrouped = Ungrouped(t))
        return QtReading(locale_, *ungrouped);
    return std::nullopt;
}

QString QtCorrections::Grouped(const QString &text) const
{
    const Grouping &g = grouping_;
    if (g.last <= 0)
        return text;
    const qsizetype begin = digits_.First(text);
    QList<qsizetype> starts;
    qsizetype end = begin;
    while (const qsizetype w = digits_.At(text, end)) {
        starts << end;
        end += w;
    }
    const qsizetype n = starts.size();
    if (n < g.last + g.minimum)
        return text;
    QString out = text.left(begin);
    for (qsizetype k = 0; k < n; ++k) {
        const qsizetype right = n - k; // this digit and those after it
        if (k > 0 && right >= g.last && (right - g.last) % g.higher == 0)
            out += g.separator;
        out += text.mid(starts[k], (k + 1 < n ? starts[k + 1] : end) - starts[k]);
    }
    return out + text.mid(end);
}

// The number without its group separators where every one stands in the locale's places,
// whatever the length of the leading group; none where there is no separator to take out or
// one stands elsewhere, or where the number starts with a zero ("0.500" is no grouped 500).
std::optional<QString> QtCorrections::Ungrouped(const QString &text) const
{
    const Grouping &g = grouping_;
    if (g.last <= 0 || !text.contains(g.separator))
        return std::nullopt;
    qsizetype end = 0;
    const QList<int> sizes = GroupSizes(text, digits_, g.separator, end);
    const qsizetype begin = digits_.First(text);
    if (sizes.size() < 2 || sizes.last() != g.last || sizes.front() > g.higher
        || text.indexOf(g.separator, end) >= 0 || digits_.IsZero(text, begin))
        return std::nullopt;
    for (qsizetype i = 1; i + 1 < sizes.size(); ++i)
        if (sizes[i] != g.higher)
            return std::nullopt;
    return text.left(begin) + text.mid(begin, end - begin).remove(g.separator) + text.mid(end);
}
