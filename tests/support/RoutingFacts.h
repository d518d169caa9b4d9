#pragma once
// What the program's routing says, for tests that need it: which "Click to Convert" button
// serves a from-unit (the routing test pins that against the design, and the other tests
// take it from here), and which type the type list's text names.
#include <optional>

#include <QList>
#include <QString>

#include "catalog/ConverterButtons.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "catalog/UnitLists.h"

// A button's design name, which is also its control's objectName.
inline const char *ButtonName(catalog::ConverterButton button)
{
    // In the order of the enumeration.
    static const char *const names[] = {"Command1", "Command31", "Command41", "Command51",
                                        "Command6", "Command7",  "Command8",  "Command9",
                                        "Command10", "Command11", "Command12", "Command13"};
    return names[int(button)];
}

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
    for (int b = 0; b <= int(catalog::ConverterButton::Command13); ++b)
        for (const QString &from : catalog::FromUnitList(catalog::MeasurementType::Linear))
            if (LengthButtonOf(from) == catalog::ConverterButton(b) && !buttons.contains(catalog::ConverterButton(b)))
                buttons << catalog::ConverterButton(b);
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
