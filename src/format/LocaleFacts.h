#pragma once
// What the conversions that follow the user's settings take from a locale beyond its
// symbols: its digits, its group sizes and its exponent sign. These are the locale's own
// conventions, which hold however Qt reads and writes them.

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

// The locale's digits, and the Latin ones that Qt reads in every locale. Some locales write
// digits beyond the 16-bit range, two UTF-16 units each.
struct LocaleDigits
{
    char32_t zero;
    qsizetype width;

    static LocaleDigits Of(const QLocale &locale)
    {
        const QString zeroDigit = locale.zeroDigit();
        return {zeroDigit.toUcs4().value(0, U'0'), zeroDigit.size()};
    }

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

// The locale's group sizes, as Qt writes them: the digits of the last group before the point,
// of each group before it, and those a leading group needs before the number is grouped at
// all. The first two are 0 where the locale groups none.
struct Grouping
{
    QString separator;
    int last = 0;
    int higher = 0;
    int minimum = 1;
};
Grouping GroupingOf(QLocale locale, const LocaleDigits &digits);

// The sizes of the digit groups that start at the text's first digit, parted by the
// separator, and where the last one ends; a separator that no digit follows ends them.
QList<int> GroupSizes(const QString &t, const LocaleDigits &digits, const QString &separator, qsizetype &end);

// The locale's own exponent sign in its plain form ("×10^" for fa_IR's "×۱۰^"); empty where
// it is "E", which every reading takes.
QString ExponentSignOf(const QLocale &locale);
