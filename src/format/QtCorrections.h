#pragma once
// Where Qt 6.4 writes or reads a locale's numbers wrongly, and what the program does instead.
// The conversions that follow the user's settings go through this one class for both, so
// that it can go in one piece once Qt mends these faults: reading would then be
// QLocale::toDouble, and writing Qt's own grouping.

#include <optional>

#include <QLocale>
#include <QString>

#include "format/LocaleDigits.h"

// Qt's own reading: the value; an infinity of its sign for a number beyond the range of a
// double, where Qt gives the infinity and says it failed. "inf" and "nan" are no number.
std::optional<double> QtReading(const QLocale &locale, const QString &text);

class QtCorrections
{
public:
    QtCorrections(const QLocale &locale, const LocaleDigits &digits);

    // A number as the locale writes it, read as QtReading reads it, and also in the forms Qt
    // writes for the locale but cannot read back.
    std::optional<double> Read(const QString &text) const;

    // A number that Qt wrote without group separators ("1209600,00"), with its integer digits
    // grouped as the locale groups them.
    QString Grouped(const QString &ungrouped) const;

    // The locale's group sizes, as Qt writes them: the digits of the last group before the
    // point, of each group before it, and those a leading group needs before the number is
    // grouped at all. The first two are 0 where the locale groups none.
    struct Grouping
    {
        QString separator;
        int last = 0;
        int higher = 0;
        int minimum = 1;
    };
    const Grouping &Groups() const { return grouping_; }

    // The locale's own exponent sign, direction marks aside; empty where it is "E", which
    // Qt reads.
    const QString &ExponentSign() const { return exponential_; }

private:
    std::optional<QString> Ungrouped(const QString &text) const;

    QLocale locale_;
    LocaleDigits digits_;
    Grouping grouping_;
    QString exponential_;
};
