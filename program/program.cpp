#include "program/program.h"

#include "console/number_conversion.h"

namespace program {

void create_ship_arrays(Program& p) {
  const std::size_t n = static_cast<std::size_t>(p.ship_count) + 1;
  for (auto* texts : {&p.ship_name, &p.ship_type, &p.ship_profile, &p.ship_batteries}) texts->assign(n, {});
  for (auto* numbers : {&p.menu_ship_index, &p.ship_aux_value, &p.ship_tons, &p.ship_crew, &p.ship_tl,
                        &p.ship_passengers, &p.ship_l_berths, &p.ship_cargo, &p.ship_fuel, &p.ship_ep,
                        &p.ship_agility, &p.ship_troops, &p.ship_code_x, &p.ship_code_y, &p.ship_code_z}) {
    numbers->assign(n, 0.0f);
  }
}

std::size_t current_record(const Program& p) {
  return static_cast<std::size_t>(console::round_to_int64(p.ship_index));
}

long output_file_number(const Program& p) {
  return static_cast<long>(console::round_to_int64(p.output_channel));
}

}  // namespace program
