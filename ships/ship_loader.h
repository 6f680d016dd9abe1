// Loading the built-in ship list into the ship arrays, with one echo line per record
// on the screen and the species tag in front of the names of alien ships.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

// Reads records 1 and up from the list text until the sentinel "XXX" (or up to
// ship_count records); ship_count becomes the number of records read.
void load_ship_list(program::Program& p, console::Console& c, const std::string& list_text);

}  // namespace ships
