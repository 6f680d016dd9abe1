// For tests: one ship record as a value, the ship arrays made as init_program makes
// them, and the one way to put a record into them.
#pragma once

#include <cstddef>
#include <string>

#include "program/program.h"

namespace program {

// The 18 fields of a ship record, in list order. Unless a test says otherwise the
// record is a plain courier of 500 tons with a crew of 5, TL 10, fuel 9 and 1 EP, no
// profile and no battery line; a test sets the fields it is about.
struct ShipRecord {
  std::string name = "Test Ship";
  std::string type = "Courier";
  std::string profile = "";
  float aux_value = 0;
  float tons = 500;
  std::string batteries = "";
  float crew = 5;
  float tl = 10;
  float passengers = 0;
  float l_berths = 0;
  float cargo = 0;
  float fuel = 9;
  float ep = 1;
  float agility = 0;
  float troops = 0;
  float code_x = 0;
  float code_y = 0;
  float code_z = 0;
};

// A program whose ship arrays hold records 0 to 1000, every entry empty or 0.
inline Program program_with_ship_arrays() {
  Program p;
  p.ship_count = 1000;
  create_ship_arrays(p);
  return p;
}

// Writes the record's fields into the ship arrays at `record`.
// REQUIRES: the arrays hold that record.
inline void put_ship(Program& p, std::size_t record, const ShipRecord& ship) {
  p.ship_name.at(record) = ship.name;
  p.ship_type.at(record) = ship.type;
  p.ship_profile.at(record) = ship.profile;
  p.ship_aux_value.at(record) = ship.aux_value;
  p.ship_tons.at(record) = ship.tons;
  p.ship_batteries.at(record) = ship.batteries;
  p.ship_crew.at(record) = ship.crew;
  p.ship_tl.at(record) = ship.tl;
  p.ship_passengers.at(record) = ship.passengers;
  p.ship_l_berths.at(record) = ship.l_berths;
  p.ship_cargo.at(record) = ship.cargo;
  p.ship_fuel.at(record) = ship.fuel;
  p.ship_ep.at(record) = ship.ep;
  p.ship_agility.at(record) = ship.agility;
  p.ship_troops.at(record) = ship.troops;
  p.ship_code_x.at(record) = ship.code_x;
  p.ship_code_y.at(record) = ship.code_y;
  p.ship_code_z.at(record) = ship.code_z;
}

}  // namespace program
