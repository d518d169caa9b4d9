#pragma once
// The message boxes' texts and titles, written once.
#include <QString>

namespace catalog {

inline const QString OopsTitle = QStringLiteral("Ooops!");
// For an amount, a price or a multiple that is empty or cannot be read as a number.
inline const QString EnterANumberMessage = QStringLiteral("You must enter a number .");
inline const QString TooLargeMessage = QStringLiteral("The result is too large to show.");

} // namespace catalog
