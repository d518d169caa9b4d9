#pragma once
// The eleven measurement types: the names the type list offers, written once, and the key
// the program knows each type by. Only the type list's text is compared with a name; each
// type's row in the routing (Routing.h) holds the rest of what it is.
#include <QString>

namespace measure {

inline const QString Linear = QStringLiteral("Linear Measures Old & New Testament");
inline const QString WeightsOT = QStringLiteral("Weights Old Testament");
inline const QString WeightsNT = QStringLiteral("Weights New Testament");
inline const QString LiquidOT = QStringLiteral("Liquid Measure Old Testament");
inline const QString DryOT = QStringLiteral("Dry Measure Old Testament");
inline const QString DryAndLiquidNT = QStringLiteral("Dry and Liquid Measures New Testament");
inline const QString RomanCapacity = QStringLiteral("Roman Capacity Measures");
inline const QString MoneyOT = QStringLiteral("Money Values Old Testament");
inline const QString MoneyNT = QStringLiteral("Money Values New Testament");
inline const QString Time = QStringLiteral("Time");
inline const QString Area = QStringLiteral("Area Measures");

} // namespace measure

namespace catalog {

// In the order the type list offers them.
enum class MeasurementType {
    Linear,
    WeightsOT,
    WeightsNT,
    LiquidOT,
    DryOT,
    DryAndLiquidNT,
    RomanCapacity,
    MoneyOT,
    MoneyNT,
    Time,
    Area,
};

} // namespace catalog
