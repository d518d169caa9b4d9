#pragma once
// Every "Click to Convert" converter, by the button it stands behind.
#include "catalog/ConverterButtons.h"
#include "convert/Converter.h"

namespace convert {

// The converter behind the button, built on its first click and kept for the run.
// Command13's converts nothing: a click of it empties the sentence and checks the amount.
const ConverterGroup &ConverterFor(catalog::ConverterButton button);

} // namespace convert
