#pragma once

#include "base/settings.h"

namespace tablora::testing {

/// Settings with the table editor's 14 grid columns, drop-down lists for the data type
/// column and yes/no lists "No"/"Yes" for the nullable, identity, primary key and foreign
/// key columns, and small data type lists. Tests, benchmarks and the fuzzer share it.
Settings EditorSettings();

}  // namespace tablora::testing
