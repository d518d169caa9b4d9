#pragma once
// What both readings of a typed text share, the user's (LocaleNumbers.cpp) and the amount's
// (AmountNumber.cpp): its plain form, the program's own number and the exponent signs.

#include <optional>

#include <QString>

// The text as a keyboard types what a region writes, so that every reading sees one text:
// every invisible format character dropped (direction marks, zero-width spaces, joiners, soft
// hyphens, embeddings and isolates: "\u200e-2", "2\u200b000"), full-width and half-width forms
// as their plain ones ("３５０", "￥"), a no-break space as a blank, "’" as "'", the minus sign
// U+2212 as "-", and the decimal digits of every script as the Latin ones ("١٢", "२.५").
QString PlainForm(const QString &text);

// The program's home convention, as people there write numbers: "." as the decimal point and
// "," between every three integer digits, none after a leading zero ("2,000", "1,000.5",
// "0.75", ".5", "5.", "1E3"), the sign before it. The whole plain text, or none.
std::optional<double> ProgramNumber(const QString &plain);

// The Arabic decimal and thousands separators: each means one thing, whoever types it.
constexpr QChar ArabicDecimalSeparator = u'\u066b', ArabicThousandsSeparator = u'\u066c';

// A point straight after a digit ends the text ("5.", "1,000."): it says nothing more.
bool EndsInAPoint(const QString &plain);

// The length of the exponent sign that starts at i of a plain text: "E", "e", or the locale's
// own in its plain form where it has one (ExponentSignOf); 0 where none does.
qsizetype ExponentSignAt(const QString &plain, qsizetype i, const QString &localeSign);
