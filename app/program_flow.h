// The spine of the program: the start, the road from the ship list to a data card and
// back, the choice of the card's output, the one-key commands, the restart and the end.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace app {

// Thrown by restart_program: abandons whatever routine runs; caught at the top of the
// program thread, which resets the console and the program and runs the road again.
struct RestartRequest {};

// Palette entry 1 white, black on white, file 1 closed, the frame strings, ship_count
// 1000 and the 19 ship arrays.
void init_program(program::Program& p, console::Console& c);

// The output question (unless the screen device is already the output), then the
// clear that begins the card. D at the question leaves the output at 1, the document.
void choose_output(program::Program& p, console::Console& c);

// Waits for one key and acts on it by the key commands: T the damage section (then
// waits again), D the document file (returns true), Q the end, R the restart; any
// other key comes back (false) with key_answer.
bool wait_key_command(program::Program& p, console::Console& c);

// How the road goes on after a card.
enum class NextCard { Again, Document };

// After a card: a document is finished by its damage section and a restart; a screen
// card waits for a key command.
NextCard finish_card(program::Program& p, console::Console& c);

// Abandons the running routine and runs the program again from the start.
[[noreturn]] void restart_program();

// What a restart does to the console: the 16 start colours, colours 7 on 0, all files
// closed. The page, the cursor and the key queue stay as they are.
void reset_console_for_restart(console::Console& c);

// One run of the road, from init_program to the restart or the end (never returns
// normally), with the ships of the given list text.
[[noreturn]] void run_road(program::Program& p, console::Console& c, const std::string& ship_list);

}  // namespace app
