// The record of the area being edited.
#include "area/edit_grid.h"

#include "runtime/state_records.h"

EditGridRecord EditGrid;
namespace {
StateRecord Listed{"EditGrid", EditGrid, [] { EditGrid = {}; }};
}  // namespace
