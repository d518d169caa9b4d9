#pragma once
// The eleven measurement types, written once, and their order in the type list.
#include <QString>
#include <QStringList>

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

// The order in which the type list offers them.
inline QStringList MeasurementTypeNames()
{
    return {Linear, WeightsOT, WeightsNT, LiquidOT, DryOT, DryAndLiquidNT,
            RomanCapacity, MoneyOT, MoneyNT, Time, Area};
}

} // namespace measure
