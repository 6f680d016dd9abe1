// Every global value of the data card generator, in one struct that lives for the
// whole run. The program's routines take this state (and the console they run on)
// and read and write its members, which carry the names the program gives them.
// A restart replaces the whole struct by a fresh one: every number 0, every text
// empty, every table empty.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace ships {

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
  float computer_bonus = 0;  // written by the design from SHIP.DAT

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

  // Text export of a designed ship.
};

}  // namespace ships
