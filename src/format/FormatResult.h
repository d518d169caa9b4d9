#pragma once
#include <QString>

// The mask every converted value is rounded through before it is shown.
inline constexpr const char *ResultMask = "###,###,##0.####";

// The displayed text of a converted value given as text: rounded to at most four decimals,
// no grouping, "." as the decimal point, then padded ("2.5" gives "2.50", "12" gives
// "12.00000000", "-0.5" gives "-.50"). A text in exponent form is shown as it is. A number
// beyond the range of a double ("1E999") has no text: the result is empty.
QString FormatResult(const QString &raw);
