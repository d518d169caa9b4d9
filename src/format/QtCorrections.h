#pragma once
// Where Qt 6.4 reads or writes a locale's numbers wrongly, and what the program does instead.
// The conversions that follow the user's settings go through this one class for both. Once
// Qt mends these faults the class goes: Read becomes QtReading and Grouped Qt's own grouping.
// What stays is QtReading itself and the locale's facts the class is given (LocaleFacts.h).

#include <optional>

#include <QLocale>
#include <QString>

#include "format/LocaleFacts.h"

// Qt's own reading: the value; an infinity of its sign for a number beyond the range of a
// double, where Qt gives the infinity and says it failed. "inf" and "nan" are no number.
std::optional<double> QtReading(const QLocale &locale, const QString &text);

class QtCorrections
{
public:
    QtCorrections(const QLocale &locale, const LocaleDigits &digits, const Grouping &grouping,
                  const QString &exponentSign);

    // A number as the locale writes it, read as QtReading reads it, except in the grouping
    // Qt writes wrongly, and also in the forms Qt writes for the locale but cannot read back.
    std::optional<double> Read(const QString &text) const;

    // A number that Qt wrote without group separators ("1209600,00"), with its integer digits
    // grouped as the locale groups them.
    QString Grouped(const QString &ungrouped) const;

private:
    bool LeadingGroupTooLong(const QString &text) const;
    std::optional<QString> Ungrouped(const QString &text) const;

    QLocale locale_;
    LocaleDigits digits_;
    Grouping grouping_;
    QString exponentSign_;
};
