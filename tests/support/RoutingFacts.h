#pragma once
// What the program's routing says, for tests that need it: which "Click to Convert" button
// serves a from-unit (the routing test pins that against the design, and the other tests
// take it from here), and which type the type list's text names.
#include <algorithm>
#include <optional>

#include <QList>
#include <QString>

#include "catalog/ConverterButtons.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "catalog/UnitLists.h"

using catalog::ButtonName;

// The button left answering once the type and then the from-unit are picked: the one the
// unit's routing row names, or else the one the type's button step made visible.
inline std::optional<catalog::ConverterButton> ServingButton(const QString &type, const QString &fromUnit)
{
    if (const auto routed = catalog::RoutedButton(fromUnit))
        return routed;
    std::optional<catalog::ConverterButton> step;
    for (const catalog::ButtonStep &s : catalog::ButtonSteps())
        if (s.name == type)
            step = s.button;
    return step;
}

// The button that serves a linear from-unit.
inline std::optional<catalog::ConverterButton> LengthButtonOf(const QString &fromUnit)
{
    return catalog::RoutedButton(fromUnit);
}

// The buttons that serve the linear from-units, each once, in the order of the buttons.
inline QList<catalog::ConverterButton> LengthButtons()
{
    QList<catalog::ConverterButton> buttons;
    for (const QString &from : catalog::FromUnitList(catalog::MeasurementType::Linear))
        if (const auto button = LengthButtonOf(from); button && !buttons.contains(*button))
            buttons << *button;
    std::sort(buttons.begin(), buttons.end());
    return buttons;
}

// The type that the type list's text names, as the routing finds it.
inline std::optional<catalog::MeasurementType> TypeNamed(const QString &name)
{
    for (const catalog::TypeRow &row : catalog::TypeRouting())
        if (row.name == name)
            return row.type;
    return std::nullopt;
}

// The lists of the type that the text names; none where no type has that name.
inline QStringList FromUnitsNamed(const QString &type)
{
    const auto named = TypeNamed(type);
    return named ? catalog::FromUnitList(*named) : QStringList();
}

inline QStringList ToUnitsNamed(const QString &type)
{
    const auto named = TypeNamed(type);
    return named ? catalog::ToUnitList(*named) : QStringList();
}
