#pragma once
// The notes a converter writes into a notes box before a unit's section, when it runs.
#include <QString>

namespace catalog {

// Before the cubits' sections: a heading line, then a dictionary's word on the cubit.
QString CubitNote();
// Before the gerah's section: a dictionary's word on the gerah, a blank line, Numbers 3:47.
QString GerahNote();

} // namespace catalog
