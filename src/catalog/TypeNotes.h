#pragma once
// The texts a measurement type shows when it is chosen, and the notice of the money types.
#include <QString>

namespace catalog {

// To the notes box, for "Linear Measures Old & New Testament".
QString LinearNote();
// To the table box of the two informational types.
QString NewTestamentTable(); // "Dry and Liquid Measures New Testament"
QString RomanTable();        // "Roman Capacity Measures"
// To the notes box, for the two money types.
QString MoneyNoteOT();
QString MoneyNoteNT();

// The message box each money type shows last, titled DefaultValuesTitle.
inline const QString DefaultValuesTitle = QStringLiteral("Change Default Values");
QString DefaultValuesNotice();

} // namespace catalog
