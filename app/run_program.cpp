#include "app/run_program.h"

#include "app/program_flow.h"
#include "ships/ship_list.h"

namespace app {

void run_program(console::Console& c) {
  program::Program p;
  for (;;) {
    try {
      run_road(p, c, ships::kShipList);
    } catch (const RestartRequest&) {
      reset_console_for_restart(c);
      p = program::Program{};
    } catch (const console::ProgramHalt&) {
      return;
    }
  }
}

}  // namespace app
