#pragma once
// Where the number that the leading-number rule reads stands in a text, and the scans of a
// "." number's digits that every reading of a typed text uses (PointNumbers.cpp).

#include <QString>

// A Latin digit: every reading sees a text's other digits as these (PlainForm).
inline bool IsLatinDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Where the Latin digits from i end.
qsizetype LatinDigitsEnd(const QString &text, qsizetype i);

// An exponent's sign and digits, which start at i, straight after its letter: where they end,
// or i where no digit follows.
qsizetype ExponentDigitsEnd(const QString &text, qsizetype i);

// Where the number that the leading-number rule reads at the start of the text stands: after
// the blanks, its sign, digits, one "." and an exponent with digits; it ends where it begins
// when it has no digit.
struct LeadingSpan
{
    qsizetype begin;
    qsizetype end;
};
LeadingSpan LeadingNumberSpan(const QString &text);
