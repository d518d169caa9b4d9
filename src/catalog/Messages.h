#pragma once
// The message boxes' texts and titles, written once.
#include <QString>

namespace catalog {

inline const QString OopsTitle = QStringLiteral("Ooops!");
inline const QString AmountMissingMessage = QStringLiteral("You must enter a number .");
inline const QString TooLargeMessage = QStringLiteral("The result is too large to show.");

} // namespace catalog
