#include "ships/ship_design.h"

namespace ships {

// The design of a ship from SHIP.DAT comes with the ship design rules; until then
// every run goes on to the menu.
DesignOutcome design_ship_from_file(Program&, console::Console&) { return DesignOutcome::NoShip; }

}  // namespace ships
