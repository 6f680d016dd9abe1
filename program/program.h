// Every global value of the data card generator, in one struct that lives for the
// whole run. The program's routines take this state (and the console they run on)
// and read and write its members, which carry the names the program gives them.
// A restart replaces the whole struct by a fresh one: every number 0, every text
// empty, every table empty.
//
// Beside the struct stand the few readings of its values that many routines share:
// the current ship's record and the file number of the card's output.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace program {

struct Program {
  // Output and key commands.
  float output_channel = 0;  // 0 none, 1 the document file, 2 the screen device
  std::string key_answer;

  // Frame strings of the card.
  std::string frame_top, frame_rule, frame_side;

  // The ship arrays (indices 0 to ship_count; record 0 is the designed ship).
  float ship_count = 0;
  float ship_index = 0;
  std::vector<std::string> ship_name, ship_type, ship_profile, ship_batteries;
  std::vector<float> ship_aux_value, ship_tons, ship_crew, ship_tl, ship_passengers,
      ship_l_berths, ship_cargo, ship_fuel, ship_ep, ship_agility, ship_troops,
      ship_code_x, ship_code_y, ship_code_z;

  // Read position of the built-in list text.
  std::size_t list_read_position = 0;

  // Code digit translation.
  std::string code_char;
  float code_value = 0;

  // Profile positions read by the card and the counter values.
  std::string class_code, hull_size_code, computer_code;
  float hull_size_value = 0;
  float computer_model = 0;
  float armor_rating = 0, sac_rating = 0, mes_rating = 0, nud_rating = 0, rep_rating = 0;
  float laser_rating = 0, energy_rating = 0, particle_rating = 0, meson_rating = 0;
  float missile_value = 0;

  // Battery counts.
  std::string battery_char;
  float sac_batt = 0, rep_batt = 0, laser_batt = 0, energy_batt = 0, particle_batt = 0,
        meson_batt = 0, missile_batt = 0;

  // Counter values for the board games.
  float stats_class = 0, stats_beam = 0, stats_missile = 0, stats_screens = 0;
  float current_tons = 0;
  float stats_class_divisor = 0, stats_divisor = 0, stats_exponent = 0;
  float large_rating_scale = 0;
  float computer_count = 0;
  std::string stats_class_text;

  // The ship menu.
  float menu_class_pass = 0, menu_first_letter = 0, menu_second_letter = 0;
  std::string sort_name;
  float menu_count = 0;
  std::vector<float> menu_ship_index;
  float name_width = 0;
  std::string menu_name;
  float menu_choice = 0;

  // Card header.
  float hull_factor = 0;
  std::string configuration_text, type_text;
  std::string card_line;
  float pad_left = 0, pad_right = 0;
  float crew_sections = 0, crew_per_section = 0;
  std::string mdrive_code, jdrive_code, pplant_code;
  float mdrive_rating = 0, jdrive_rating = 0, pplant_rating = 0;
  float size_modifier = 0;
  float computer_fib = 0;
  std::string computer_text;
  std::string armor_code;
  float computer_bonus = 0;

  // Defence line and armor bar.
  float bar_double = 0, bar_single = 0;
  std::string armor_bar;
  std::string mes_code, nud_code, blg_code, sac_code, rep_code;
  float blg_rating = 0;

  // Weapons table.
  float header_column = 0;  // 1 to 9: the column heading being written
  std::string laser_code, energy_code, particle_code, meson_code, missile_code;
  float beam_base = 0, particle_base = 0, meson_base = 0, missile_base = 0;
  float weapon_rows = 0;     // rows written below the header
  std::string weapon_label;  // 12 characters and the code digit of the rating
  float weapon_batt = 0, weapon_base = 0, s_value = 0, l_value = 0;
  float row_offset = 0, factor_column = 0, meson_column = 0, cell_value = 0;
  std::string digit_text;  // the meson digits of the factor column being written
  float table_bottom_row = 0;

  // Damage tables.
  std::string no_effect_text;  // the entry of a result that does not apply
  std::array<std::string, 28> surface_damage_result, radiation_damage_result,
      interior_explosion_result, critical_hit_result;  // rows 0 to 27
  float damage_cell_width = 0;
  float damage_row = 0;
  float roll_2d6 = 0;

  // Card title, movement and counter-value blocks.
  std::string card_title;
  float centre_indent = 0;
  float movement_skill = 0, skill_bonus = 0, hexes_per_turn = 0;

  // Ship design from SHIP.DAT.
  // The file and its header: record 0's class code, TL and hull.
  std::string ship_file_name, file_caption, file_flag, design_class_code;
  float tl_effective = 0;
  // Configuration, drives, power plant and computer.
  std::string design_config_code;
  float design_jdrive_rating = 0, design_mdrive_rating = 0;
  std::string design_jdrive_code, design_mdrive_code;
  float design_pplant_letter_value = 0, design_pplant_rating = 0;
  std::string design_pplant_code;
  float design_ep_total = 0, design_ep_left = 0;
  float comp_ep = 0;
  std::string comp_char;
  // Weapons: the file's weapon values and the factor and battery digits of each kind.
  float file_wpn_1 = 0, file_wpn_2 = 0, file_wpn_3 = 0, file_wpn_4 = 0, file_wpn_5 = 0,
        file_wpn_6 = 0;
  float file_num_1 = 0, file_num_2 = 0, file_num_3 = 0, file_num_4 = 0, file_num_5 = 0,
        file_num_6 = 0, file_num_7 = 0, file_num_8 = 0, file_num_9 = 0, file_num_10 = 0,
        file_num_11 = 0, file_num_12 = 0, file_num_13 = 0, file_num_14 = 0, file_num_15 = 0,
        file_num_16 = 0, file_num_17 = 0, file_num_18 = 0;
  float design_laser_count = 0, design_laser_factor = 0;
  std::string design_laser_code, design_laser_batt_code;
  float design_sac_factor = 0, design_sac_batt = 0;
  std::string design_sac_code, design_sac_batt_code;
  float design_energy_count = 0, design_energy_ep_each = 0, design_energy_factor = 0;
  std::string design_energy_code, design_energy_batt_code;
  float design_particle_sum = 0, design_particle_ep = 0, design_particle_factor = 0;
  std::string design_particle_code, design_particle_batt_code;
  float design_ep_rate = 0, design_meson_factor = 0;
  std::string design_meson_code, design_meson_batt_code;
  float design_missile_factor = 0;
  std::string design_missile_code, design_missile_batt_code;
  // Defences, crew and agility.
  std::string design_nud_code, design_blg_code;
  float design_mes_factor = 0, design_mes_ep = 0, design_nud_factor = 0, design_nud_ep = 0;
  float design_rep_count = 0, design_rep_factor = 0, design_rep_batt = 0;
  std::string design_rep_code, design_rep_batt_code;
  float design_crew_count = 0;
  std::string design_crew_digits_code;
  std::array<float, 1> file_discard{};  // pair 48 goes to element 0, read and not used
  float design_agility = 0;

  // Text export of a designed ship.
  std::string export_file_name;
};

// Creates the 18 record arrays and `menu_ship_index` afresh with the indices 0 to
// ship_count, every entry empty or 0. Throws std::bad_alloc when memory runs out.
void create_ship_arrays(Program& p);

// The record of the current ship: `ship_index` rounded half to even, as every index
// of the ship arrays is. An index below 0 (or one that is not a number) gives a
// record past the end of every array, so a test against an array's size refuses it.
std::size_t current_record(const Program& p);

// The number of the numbered output that `output_channel` names (rounded half to
// even): 1 the document or export file, 2 the screen device.
long output_file_number(const Program& p);

}  // namespace program
