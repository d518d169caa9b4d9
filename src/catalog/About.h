#pragma once
// What the About dialog says, and where its banner and e-mail line lead.
#include <QString>

namespace catalog::about {

inline const QString Caption = QStringLiteral("About  Ostrevan"); // two blanks, as designed
inline const QString AuthorNote = QStringLiteral(
    "This is my first attempt to compile a Ostrevan program. If you find any bugs please "
    "email me at the address below.");
inline const QString BetaLabel = QStringLiteral("Beta Version");
inline const QString FreewareStatement = QStringLiteral(
    "Ostrevan is freeware: use it free of charge and give copies to anyone, whole and "
    "unchanged, asking nothing for it. It comes as it is, without any warranty. If you "
    "have comments or questions about the program, please contact Veltrane.");
inline const QString OkCaption = QStringLiteral("OK");

// Reserved example addresses: the program names no real site or person.
inline const QString MakerWebAddress = QStringLiteral("https://www.veltrane.example/");
inline const QString AuthorMailAddress = QStringLiteral("Info@Veltrane.example");

// The e-mail line shows the address as it is written.
inline QString MailLine() { return QStringLiteral("E-Mail ") + AuthorMailAddress; }
// The mail message goes to the same address in lower case.
inline QString MailTarget() { return QStringLiteral("mailto:") + AuthorMailAddress.toLower(); }

} // namespace catalog::about
