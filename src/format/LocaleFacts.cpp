#include "format/LocaleFacts.h"

#include "format/TypedText.h"

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

// From the rightmost groups of a long number, which Qt writes right for every locale (its
// fault with a short leading group cannot reach them); the minimum from the shortest number
// Qt groups.
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

QString ExponentSignOf(const QLocale &locale)
{
    const QString sign = PlainForm(locale.exponential());
    if (sign.compare(QStringLiteral("e"), Qt::CaseInsensitive) == 0)
        return {};
    return sign;
}
