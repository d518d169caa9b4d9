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

// The button's design name, which is also its control's objectName.
constexpr const char *ButtonName(ConverterButton button)
{
    switch (button) {
    case ConverterButton::Command1: return "Command1";
    case ConverterButton::Command31: return "Command31";
    case ConverterButton::Command41: return "Command41";
    case ConverterButton::Command51: return "Command51";
    case ConverterButton::Command6: return "Command6";
    case ConverterButton::Command7: return "Command7";
    case ConverterButton::Command8: return "Command8";
    case ConverterButton::Command9: return "Command9";
    case ConverterButton::Command10: return "Command10";
    case ConverterButton::Command11: return "Command11";
    case ConverterButton::Command12: return "Command12";
    case ConverterButton::Command13: return "Command13";
    }
    return "";
}

} // namespace catalog
