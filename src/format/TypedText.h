#pragma once
// What LocaleNumber and AmountNumber share of a text as the user typed it: its plain form,
// the program's own number, the number at its head, and how the user's settings read it.

#include <optional>

#include <QLocale>
#include <QString>

// The text as a keyboard types what a region writes, so that every reading sees one text:
// direction marks dropped ("\u200e-2"), full-width and half-width forms as their plain ones
// ("３５０", "￥"), a no-break space as a blank, "’" as "'", the minus sign U+2212 as "-",
// and the decimal digits of every script as the Latin ones ("١٢", "२.५").
QString PlainForm(const QString &text);

// The program's own number, in the convention of its home: "." as the decimal point and ","
// between every three integer digits, none after a leading zero ("2,000", "1,000.5", "0.75",
// ".5", "5.", "1E3"), the sign before it. The whole plain text, or none.
std::optional<double> ProgramNumber(const QString &plain);

// What may stand between the digits of a number as someone meant it: the program's "." and
// ",", a blank, "'", and the user's own decimal point and group separator; and the user's own
// exponent sign beside "E". All in their plain forms.
struct NumberMarks
{
    static NumberMarks Of(const QLocale &locale);
    qsizetype SeparatorAt(const QString &plain, qsizetype i) const; // its length, or 0
    qsizetype ExponentAt(const QString &plain, qsizetype i) const;  // the sign's length, or 0

    QString decimalPoint;
    QString groupSeparator;
    QString exponentSign; // empty where the locale's is "E"
};

// Where the number at the head of the trimmed plain text ends: its sign, then digits,
// separators and an exponent, up to the first character that cannot go on a number
// ("2,000 cubits" ends after "2,000 ", "12abc" after "12", "abc" at once).
qsizetype HeadEnd(const QString &plain, const NumberMarks &marks);

// Where the number that the leading-number rule reads at the start of the text stands: after
// the blanks, its sign, digits, one "." and an exponent with digits; it ends where it begins
// when it has no digit (PointNumbers.cpp).
struct LeadingSpan
{
    qsizetype begin;
    qsizetype end;
};
LeadingSpan LeadingNumberSpan(const QString &text);

// The number that the leading-number rule reads at the start of the text goes on, directly,
// with a run of separators and then a digit: "1,,000", "1, 000", "3 50", "1,.5".
bool Mistyped(const QString &plain, const NumberMarks &marks);

// How the user's settings read a whole trimmed plain text (LocaleNumbers.cpp): the number,
// and whether it is none because it may be read two ways ("1.500" under French settings:
// 1500 or 1.5).
struct UsersReading
{
    std::optional<double> value;
    bool twoWays = false;
};
UsersReading ReadAsTheUserWrites(const QString &plain);
