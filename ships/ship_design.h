// The design of one more ship from the ship design file SHIP.DAT into record 0.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace ships {

enum class DesignOutcome { NoShip, Designed };

// Designs the ship of SHIP.DAT into record 0, shows the result and writes the export
// file; NoShip when the file cannot be read or its first value is not "Y".
DesignOutcome design_ship_from_file(program::Program& p, console::Console& c);

}  // namespace ships
