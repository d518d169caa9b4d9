#pragma once
// Every unit name the user picks or types, written once. A name is also the unit's key:
// lists and converters compare these texts exactly.
#include <QString>

namespace unit {

// Placeholders that the list types write into the unit boxes; no converter knows them.
inline const QString ConvertFrom = QStringLiteral("Convert From");
inline const QString ConvertTo = QStringLiteral("Convert To");

// Lengths
inline const QString Inches = QStringLiteral("Inches");
inline const QString Feet = QStringLiteral("Feet");
inline const QString Yards = QStringLiteral("Yards");
inline const QString Miles = QStringLiteral("Miles");
inline const QString Centimeters = QStringLiteral("Centimeters");
inline const QString Meters = QStringLiteral("Meters");
inline const QString Kilometers = QStringLiteral("Kilometers");
inline const QString Finger = QStringLiteral("Finger");
inline const QString Handbreath = QStringLiteral("Handbreath");
inline const QString Span = QStringLiteral("Span");
inline const QString CubitRomanNT = QStringLiteral("Cubit (Roman, NT)");
inline const QString CubitEgyptian = QStringLiteral("Cubit (Egyptian)");
inline const QString CubitHebrewOT = QStringLiteral("Cubit (Hebrew, OT)");
inline const QString CubitEzekiels = QStringLiteral("Cubit (Ezekiel's)");
inline const QString CubitRoyalEgyptian = QStringLiteral("Cubit (Royal Egyptian)");
inline const QString CubitHebrewLong = QStringLiteral("Cubit (Hebrew Long)");
inline const QString CubitBabylonRoyal = QStringLiteral("Cubit (Babylon Royal)");
inline const QString Pace = QStringLiteral("Pace");
inline const QString Fathom = QStringLiteral("Fathom");
inline const QString Reed = QStringLiteral("Reed");
inline const QString FurlongStadion = QStringLiteral("Furlong (Stadion)");
inline const QString SabbathDaysJourney = QStringLiteral("Sabbath Day's Journey");
inline const QString ALittleWay = QStringLiteral("A Little Way");
inline const QString DaysJourneyAlone = QStringLiteral("Day's Journey (Alone)");
inline const QString DaysJourneyInCompany = QStringLiteral("Day's Journey (In Company)");
inline const QString GreekFeet = QStringLiteral("Greek Feet");
inline const QString RomanFeet = QStringLiteral("Roman Feet");
inline const QString RomanMile = QStringLiteral("Roman Mile");

// Weights
inline const QString Ounces = QStringLiteral("Ounces"); // also the liquid fluid ounce
inline const QString Pounds = QStringLiteral("Pounds");
inline const QString Grams = QStringLiteral("Grams");
inline const QString Kilograms = QStringLiteral("Kilograms");
inline const QString Gerah = QStringLiteral("Gerah");
inline const QString Bekah = QStringLiteral("Bekah");
inline const QString Pim = QStringLiteral("Pim");
inline const QString Shekel = QStringLiteral("Shekel");
inline const QString Mina = QStringLiteral("Mina");
inline const QString Talent = QStringLiteral("Talent"); // Old and New Testament alike
inline const QString PoundRomanLitra = QStringLiteral("Pound (Roman Litra)");

// Liquid measures
inline const QString Pints = QStringLiteral("Pints");
inline const QString Quarts = QStringLiteral("Quarts"); // converted, though no list offers it
inline const QString Gallons = QStringLiteral("Gallons");
inline const QString Liters = QStringLiteral("Liters"); // liquid and dry alike
inline const QString Log = QStringLiteral("Log");
inline const QString KabCab = QStringLiteral("Kab(Cab)");
inline const QString Hin = QStringLiteral("Hin");
inline const QString Bath = QStringLiteral("Bath");
inline const QString HomerKor = QStringLiteral("Homer(Kor)");

// Dry measures
inline const QString DryPints = QStringLiteral("Dry Pints");
inline const QString DryQuarts = QStringLiteral("Dry Quarts");
inline const QString Pecks = QStringLiteral("Pecks");
inline const QString Bushels = QStringLiteral("Bushels");
inline const QString CabKab = QStringLiteral("Cab(Kab)");
inline const QString Omer = QStringLiteral("Omer");
inline const QString Seah = QStringLiteral("Seah");
inline const QString Ephah = QStringLiteral("Ephah");
inline const QString Lethech = QStringLiteral("Lethech");
inline const QString CorKor = QStringLiteral("Cor(Kor)");
inline const QString Homer = QStringLiteral("Homer");

// Area
inline const QString Acre = QStringLiteral("Acre");
inline const QString SquareRods = QStringLiteral("Square Rods");
inline const QString SquareFeet = QStringLiteral("Square Feet");

} // namespace unit
