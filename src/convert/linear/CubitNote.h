#pragma once
// The note the cubit converters show about the cubit's many lengths.
#include <QString>

namespace convert::linear {

// A heading line, then a dictionary's word on the cubit.
QString CubitNote();

} // namespace convert::linear
