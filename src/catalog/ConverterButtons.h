#pragma once
// The twelve stacked "Click to Convert" buttons, as the routing names them, in the order a
// routing step sets their visibility. The window maps each to its control.

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

} // namespace catalog
