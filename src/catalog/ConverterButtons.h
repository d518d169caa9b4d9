#pragma once
// The twelve stacked "Click to Convert" buttons, as the routing names them. The window maps
// each to its control.
#include <QList>

namespace catalog {

enum class ConverterButton {
    Command1,
    Command31,
    Command41,
    Command51,
    Command6,
    Command7,
    Command8,
    Command9,
    Command10,
    Command11,
    Command12,
    Command13,
};

// The order in which a routing step sets their visibility.
inline QList<ConverterButton> ConverterButtonOrder()
{
    using enum ConverterButton;
    return {Command1, Command31, Command41, Command51, Command6, Command7,
            Command8, Command9, Command10, Command11, Command12, Command13};
}

} // namespace catalog
