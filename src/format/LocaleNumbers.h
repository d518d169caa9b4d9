#pragma once
// How the user's settings read a typed text, for LocaleNumber and for AmountNumber, which
// weighs it against the program's own number (LocaleNumbers.cpp).

#include <optional>

#include <QString>

// The number that the user's settings read in a whole trimmed plain text (PlainForm), and
// whether it is none because it may be read two ways ("1.500" under French settings: 1500
// or 1.5).
struct UsersReading
{
    std::optional<double> value;
    bool twoWays = false;
};
UsersReading ReadAsTheUserWrites(const QString &plain);
