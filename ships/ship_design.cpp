#include "ships/ship_design.h"

#include "ships/design_defences.h"
#include "ships/design_drives.h"
#include "ships/design_hull.h"
#include "ships/design_profile.h"
#include "ships/design_result.h"
#include "ships/design_weapons.h"
#include "ships/text_export.h"

namespace ships {

DesignOutcome design_ship_from_file(program::Program& p, console::Console& c) {
  if (!read_design_header(p, c)) return DesignOutcome::NoShip;
  derive_hull_size_code(p, c);
  derive_drive_codes(p, c);
  derive_computer_code(p, c);
  design_weapons(p, c);
  derive_screen_codes(p, c);
  derive_rep_codes(p, c);
  read_design_tail(p, c);
  build_design_strings(p, c);
  show_design_stats(p, c);
  write_text_export(p, c);
  return DesignOutcome::Designed;
}

}  // namespace ships
