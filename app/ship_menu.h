// The ship menu: the loaded ships listed by counter class and by the first two
// letters of their names, 20 lines a page, and the number that chooses one.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace app {

enum class MenuOutcome { Chosen, DesignRequested };

// Lists the ships and reads the choice into ship_index (Chosen), or stops at a page
// pause where a negative number asks for the design of SHIP.DAT (DesignRequested).
MenuOutcome show_ship_menu(program::Program& p, console::Console& c);

// Forgets the lines listed so far, so that the menu starts again at line 1.
void restart_menu(program::Program& p);

}  // namespace app
