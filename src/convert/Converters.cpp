#include "convert/Converters.h"

#include <map>

#include "convert/capacity/Capacity.h"
#include "convert/linear/LengthConverters.h"
#include "convert/weight/Weights.h"

namespace convert {

namespace {

ConverterGroup Build(catalog::ConverterButton button)
{
    using enum catalog::ConverterButton;
    switch (button) {
    case Command1:
    case Command31:
    case Command41:
    case Command51:
    case Command6:
    case Command7:
    case Command8: return linear::LengthConverter(button);
    case Command9: return weight::OldTestamentWeightConverter();
    case Command10: return weight::NewTestamentWeightConverter();
    case Command11: return capacity::LiquidAndAreaConverter();
    case Command12: return capacity::DryMeasureConverter();
    case Command13: break;
    }
    return {};
}

} // namespace

const ConverterGroup &ConverterFor(catalog::ConverterButton button)
{
    // One thread: the window's. A map's elements stay where they are as others are added.
    static std::map<catalog::ConverterButton, ConverterGroup> built;
    auto found = built.find(button);
    if (found == built.end())
        found = built.emplace(button, Build(button)).first;
    return found->second;
}

} // namespace convert
