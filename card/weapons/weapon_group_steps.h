// Steps that the weapon groups of the weapons table share: reading a weapon's rating
// and battery count from the profile and the battery line, setting up a weapon row,
// and writing the nine factor cells and the multiplier cell of a row.
//
// Each step ends with the step check under the place number the caller gives; a
// routine that makes several steps takes the first of a run of places.
#pragma once

#include <string>

#include "card/weapons/weapon_tables.h"
#include "console/console.h"
#include "program/program.h"

namespace card::weapons {

// `code` := profile character `position`; `rating` := 0; the code decoded; `rating`
// := its value. Four steps, places first_place to first_place + 3.
void read_weapon_rating(program::Program& p, console::Console& c, int position, std::string& code,
                        float& rating, int first_place);

// Battery column `column` decoded: `code_value` holds the battery count afterwards.
void decode_weapon_batteries(program::Program& p, console::Console& c, int column, int place);

// The values of a weapon row, taken from `code_value` as the battery count:
// `weapon_label` := label + code, `weapon_batt` := count * `hull_factor`,
// `weapon_base` := group base - `computer_model`, `s_value` := base + s_step,
// `l_value` := base + l_step. Five steps, places first_place to first_place + 4.
struct WeaponRow {
  const char* label;  // 12 characters
  const std::string& code;
  float group_base;
  float s_step, l_step;
};
void set_weapon_row(program::Program& p, console::Console& c, const WeaponRow& row, int first_place);

// Nine factor cells: cell j = ((`row_offset` + j) - `computer_model`) - after_model.
// The cell values end their steps under `place`.
void print_offset_cells(program::Program& p, console::Console& c, float after_model, int place);

// Nine factor cells from the meson digits of `row` at `meson_rating`, less the
// computer model (in extended precision). `digit_text` and `cell_value` end their
// steps under place and place + 1.
void print_meson_cells(program::Program& p, console::Console& c, MesonRow row, int place);

// The multiplier cell of a particle or meson row, with the line end: " x" and the
// rating less 10 in two positions above 10, else "  x1 │".
void print_spinal_multiplier(program::Program& p, console::Console& c, float rating, int place);

// The empty multiplier cell that ends a row without head: five blanks and the frame.
void print_empty_multiplier(program::Program& p, console::Console& c, bool line_end, int place);

}  // namespace card::weapons
