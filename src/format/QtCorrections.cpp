#include "format/QtCorrections.h"

#include <cmath>

#include <QList>
#include <QStringView>

// Two faults of Qt 6.4.
//
// Minimum grouping digits. Locales such as es_ES, pl_PL, pt_PT and bg_BG group four-digit
// numbers not at all but longer ones in full. toString and toCurrencyString merge a leading
// group shorter than that minimum into the next ("1209.600,00" for 1.209.600,00); toDouble
// refuses such a short leading group ("1.000,00") and takes the merged one ("1234.567" is
// 1234567 under es_ES, where it is 1234.567 under de_DE). Qt's group sizes are right; so
// numbers are written without separators and grouped here, a leading group longer than the
// locale's groups is refused, and a number Qt refuses is read again without separators that
// stand in the locale's places.
//
// The exponent sign. Where a locale has its own ("اس" in ar_EG, "×۱۰^" in fa_IR, "×10^" in
// sv_SE), toString writes it ("١اس+٠٣" for 1E3) and toDouble refuses it, though it reads the
// same number with an "E" ("١E+٠٣").

std::optional<double> QtReading(const QLocale &locale, const QString &text)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok ? std::isfinite(value) : std::isinf(value))
        return value;
    return std::nullopt;
}

QtCorrections::QtCorrections(const QLocale &locale, const LocaleDigits &digits, const Grouping &grouping,
                             const QString &exponentSign)
    : locale_(locale), digits_(digits), grouping_(grouping), exponentSign_(exponentSign)
{
}

std::optional<double> QtCorrections::Read(const QString &text) const
{
    QString t = text;
    if (!exponentSign_.isEmpty())
        t.replace(exponentSign_, QStringLiteral("E"));
    if (LeadingGroupTooLong(t))
        return std::nullopt;
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

// A leading group of more digits than the locale's groups hold, as Qt writes a short one
// merged into the next ("1234.567" for 1.234.567 under es_ES): no one else writes it so.
bool QtCorrections::LeadingGroupTooLong(const QString &text) const
{
    const Grouping &g = grouping_;
    if (g.last <= 0 || !text.contains(g.separator))
        return false;
    qsizetype end = 0;
    const QList<int> sizes = GroupSizes(text, digits_, g.separator, end);
    return sizes.size() > 1 && sizes.front() > g.higher;
}

// The number without its group separators where every one stands in the locale's places,
// whatever the length of the leading group; none where there is no separator to take out or
// one stands elsewhere.
std::optional<QString> QtCorrections::Ungrouped(const QString &text) const
{
    const Grouping &g = grouping_;
    if (g.last <= 0 || !text.contains(g.separator))
        return std::nullopt;
    qsizetype end = 0;
    const QList<int> sizes = GroupSizes(text, digits_, g.separator, end);
    const qsizetype begin = digits_.First(text);
    if (sizes.size() < 2 || sizes.last() != g.last || sizes.front() > g.higher
        || text.indexOf(g.separator, end) >= 0)
        return std::nullopt;
    for (qsizetype i = 1; i + 1 < sizes.size(); ++i)
        if (sizes[i] != g.higher)
            return std::nullopt;
    return text.left(begin) + text.mid(begin, end - begin).remove(g.separator) + text.mid(end);
}
