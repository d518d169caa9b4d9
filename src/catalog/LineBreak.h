#pragma once
// The line breaks inside the program's composed texts: CR LF, as the boxes keep them.
#include <QString>

namespace catalog {

inline const QString LineBreak = QStringLiteral("\r\n");
inline const QString BlankLine = QStringLiteral("\r\n\r\n"); // between the paragraphs of a note

} // namespace catalog
