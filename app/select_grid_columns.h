#pragma once

#include "dataaccess/grid/grid_model.h"

#include <vector>

namespace app {

/// The 23 columns of the selection grid, from the first (rightmost) to the last: field, title
/// (none for DIM and BSC, which show their field name), width in pixels and cell colour.
std::vector<db::GridColumn> selectGridColumns();

} // namespace app
