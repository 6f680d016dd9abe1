// The ship arrays: the 18 field arrays of the ship records and the menu's table from
// menu line to record, each with the indices 0 to ship_count.
#pragma once

#include "ships/program.h"

namespace ships {

// Creates the 19 arrays afresh with the indices 0 to ship_count, every entry empty or
// 0. Throws std::bad_alloc when memory runs out.
void create_ship_arrays(Program& p);

}  // namespace ships
