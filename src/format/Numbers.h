#pragma once
// The only places where numbers and texts meet. LeadingNumber, NumberText and PointText
// always use "." as the decimal point (PointNumbers.cpp); LocaleNumber, CurrencyText and
// MaskText follow the user's settings through the default QLocale, so that a test can pin
// one with QLocale::setDefault (LocaleNumbers.cpp, with QtCorrections.cpp where Qt 6.4 reads
// or writes a locale's numbers wrongly). AmountNumber reads what the user types as an amount
// or a multiple (AmountNumber.cpp); it and LocaleNumber see a text in one plain form, and
// share the program's own number (TypedText.cpp).

#include <optional>
#include <QString>

// The longest leading number of the text ("12abc" is 12, "2,5" is 2); no number reads as 0.
// An exponent beyond the range of a double reads as an infinity of the same sign.
double LeadingNumber(const QString &text);

// At most 15 significant digits, "." as the decimal point, no grouping; exponent form
// from 1E+15 upward and below 1E-04 in magnitude ("1E+15", "1.5E-07").
QString NumberText(double value);

// The program's central numeric rule: a value written by NumberText and read back by
// LeadingNumber, which holds it to 15 significant digits. None where the value is not
// finite, or where its 15 digits round past the largest double: too large to show.
std::optional<double> HeldTo15Digits(double value);

// NumberText without the "0" before a leading point (".75", "-.5") and with one blank
// before a non-negative number (" 12").
QString PointText(double value);

// The value rounded half away from zero to the given number of decimals, on its decimal
// value held to 15 significant digits: the double nearest to the rounded decimal.
double RoundHalfAway(double value, int decimals);

// The 15 significant digits of a finite, non-zero magnitude, and the decimal exponent of the
// first: 1234.5 is "123450000000000" and 3.
struct FifteenDigits
{
    QString digits;
    int exponent;
};
FifteenDigits DigitsOf(double value);

// --- The user's settings ---

// A number written with the user's symbols, with or without the currency symbol or the
// currency's ISO code ("1,234.5679" or "$350.00" under U.S. settings, "350.00 CHF" under
// Swiss Italian ones). The symbol or code stands once, before or after the number, with or
// without a blank between ("CHF 350", "€ 350,00"); a blank stands among the digits only where
// the locale's group separator is one, the sign where the locale writes it: "3 50", "$5$" and
// "- 5" are no number. Group separators in the locale's places read however short the
// leading group ("1.000,00" under Spanish settings). The text is read in its plain form, as a
// keyboard types what the locale writes (see AmountNumber): "３５０", "¥" for "￥", "३५०"
// under Indian English settings, a blank for a no-break space, "'" for "’", no invisible
// character ("3\u200b50" is 350). The Arabic decimal and thousands separators, "٫" and "٬",
// stand for the locale's own ("١٢٫٥" is 12.5 under U.S. settings). The locale's own exponent
// form reads ("١اس+٠٣" under Egyptian Arabic settings). A point at the end reads as the text
// without it ("1,000." is 1 under German settings). Where the locale's reading fails, a number
// in the program's home convention ("350.00" under German settings too, "1,000.5"), except a
// single "." or "," that is not the locale's own, followed by as many digits as the locale's
// last group and after no more than a leading group holds: "1.500" under French settings may
// be 1500 or 1.5, and is no number ("1234.567" is 1234.567). A number whose integer digits
// begin with a zero is never grouped: its one separator, the locale's decimal point or ".",
// is its decimal point ("0.750" is 0.75 under German settings), and any other separator, or
// more than one, makes it no number ("0,750" under U.S. settings). A number beyond the range
// of a double ("1E309") reads as an infinity of its sign. One below it reads as a zero in the
// program's convention ("1E-999", "0.5E-999"); Qt refuses it in the locale's own form, and so
// it is no number there ("0,5E-999" under German settings). Anything else is no number.
std::optional<double> LocaleNumber(const QString &text);

// The value in the user's currency format, rounded half away from zero on its
// 15-digit decimal value ("$0.02" for 0.015 under U.S. settings), with the locale's digits
// and digit grouping ("1.209.600,00 €", "1209,60 €" under Spanish settings). From 1E12, where
// the 15 digits end at or before the cents, the cents are the double's own; from 1E15 the
// text is the 15 digits and zeros.
QString CurrencyText(double value);

// The value through a format mask such as "###,###,##0.####", with the user's symbols and
// digits: grouping where the mask has a ",", as the locale groups, as many decimals as the
// mask allows, trailing optional decimals (the locale's zero digits) dropped.
QString MaskText(double value, const QString &mask);

// --- What the user types as an amount or a money multiple ---

// How the text of the amount box or of a money multiple was read.
struct Amount
{
    enum class Reading {
        Whole,   // the whole text is a number, as the user's settings or the program write numbers
        Leading, // a number with words after it, read as it would be alone; or no number (0)
        Refused, // says two numbers, or is a number mistyped: the user is asked for one
    };
    Reading reading;
    double value = 0; // none where refused
};

// The text is read in its plain form, as a keyboard types what a region writes: digits of
// every script as Latin ones, full-width forms as plain ones, a no-break space as a blank, the
// minus sign U+2212 as "-", every invisible format character dropped ("١٢" is 12, "２.０００" is
// "2.000", "2\u200b000" is "2000").
//
// A number reads two ways: as the user's settings write it (LocaleNumber), and as people write
// numbers in the program's home convention, "." as the decimal point and "," between
// thousands ("2,000", "1,000.5"). A number under one of them, or one number under both, is the
// amount ("2,5" is 2.5 under German settings). Two numbers are refused: "2.000" under German
// settings (2000, or 2), "1.500" under French ones, which their own settings may read as 1500
// or as 1.5; so is "1,000." where "1,000" is refused.
//
// A number is cut short only where words begin. A number with words after it reads as it
// would alone: the head of the text, its sign, digits, separators and an exponent (after a
// digit, a "." or the user's own decimal point), up to the first character that cannot go on
// a number ("2,000 cubits" is 2000, "2.000 Ellen" under German settings is refused, "1,E3
// Ellen" there is 1000). Where the head does not read alone, the leading-number rule reads the
// text: "2," is 2, "12abc" 12, "abc", "ca. 2" and the empty text 0; its number too is refused
// where alone it says two ("2.000' Ellen" under German settings). Either way a letter must
// come before the next digit, of any script, or the next of Unicode's other number characters:
// a number that goes on otherwise is mistyped, and refused ("1/2", "10-12 cubits", "1½",
// "1,,000", "3 50", "2,5 cubits" under U.S. settings). So is a text with no number at its
// start whose first digit comes before any letter ("- 4", ",500", "$2,000 cubits").
Amount AmountNumber(const QString &text);

// Nothing, or nothing but invisible format characters: a box that looks empty, and is one.
bool LooksEmpty(const QString &text);

// Where the system locale is the bare C/POSIX one, make U.S. conventions the default:
// they are the program's home ones.
void UseHomeConventionsForBareLocale();
