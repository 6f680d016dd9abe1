#include "card/damage_results.h"

#include "card/card_places.h"

#include <array>
#include <string>

namespace card {

namespace {

enum Place {
  kNoEffectText = place::kDamageResults,
  kResultEntries,
  kNoEffectRows,
  kFibComputerEntries,
  kJumpDriveEntries,
  kResultStepsEnd,
};
static_assert(kResultStepsEnd <= place::kDamageTable);

constexpr ResultTable kSurface = &program::Program::surface_damage_result;
constexpr ResultTable kRadiation = &program::Program::radiation_damage_result;
constexpr ResultTable kInterior = &program::Program::interior_explosion_result;
constexpr ResultTable kCritical = &program::Program::critical_hit_result;

// Rows 2 to 21 of the four tables; nullptr where a table has no entry.
struct DamageResultRow {
  const char* surface;
  const char* radiation;
  const char* interior;
  const char* critical;
};

constexpr int kFirstResultRow = 2;

constexpr DamageResultRow DAMAGE_RESULT_TABLES[] = {
    {"CRITICAL", "CRITICAL", "CRITICAL", "DESTROYED!"},  // 2
    {"INTERIOR", " Crew-1", "CRITICAL", " Bridge"},
    {"INTERIOR", " Comp-4", "CRITICAL", "Computer"},
    {"INTERIOR", " Crew-1", ">TANKS<", " M-Drive"},
    {"MDrive-2", " Comp-3", " Comp-2", " 1xScreen"},
    {" Fuel-3", " Crew-1", "Screen-3", " Z-Drive"},
    {" Weap-3", " Comp-2", "JDrive-2", "  Hangar"},
    {"MDrive-1", " Comp-2", "Power-2", " P-Plant"},
    {" Fuel-2", " Weap-4", " Crew-1", " Crew-50%"},  // 10
    {" Weap-2", " Comp-2", " Comp-1", "  SM/FC"},
    {"MDrive-1", " Weap-3", "Screen-2", "FrWa/Troop"},
    {" Fuel-1", " Comp-1", "JDrive-1", nullptr},
    {" Weap-1", " Weap-2", "Power-1", nullptr},
    {" Weap-1", " Comp-1", " Comp-1", nullptr},
    {" Fuel-1", " Weap-2", "Screen-1", nullptr},
    {" Weap-1", " Weap-1", "JDrive-1", nullptr},
    {" Weap-1", " Weap-1", "Power-1", nullptr},
    {" Fuel-1", " Weap-1", nullptr, nullptr},
    {" Weap-1", " Weap-1", nullptr, nullptr},  // 20
    {" Weap-1", " Weap-1", nullptr, nullptr},
};

// Rows past the scale of the surface and radiation tables.
constexpr int kFirstNoEffectRow = 22, kLastRow = 27;

struct TableEntry {
  ResultTable table;
  int row;
};

// What a fib computer cannot lose: the computer entries of the radiation table (the
// interior explosion table's computer entries stay).
constexpr TableEntry FIB_COMPUTER_ENTRIES[] = {
    {kRadiation, 4}, {kRadiation, 6},  {kRadiation, 8},  {kRadiation, 9},
    {kRadiation, 11}, {kRadiation, 13}, {kRadiation, 15},
};

// What a ship without a jump drive cannot lose.
constexpr TableEntry JUMP_DRIVE_ENTRIES[] = {
    {kInterior, 8}, {kInterior, 13}, {kInterior, 17}, {kCritical, 7},
};

void store_entry(program::Program& p, ResultTable table, int row, const char* entry) {
  if (entry != nullptr) (p.*table)[static_cast<std::size_t>(row)] = entry;
}

void store_result_entries(program::Program& p) {
  int row = kFirstResultRow;
  for (const DamageResultRow& entries : DAMAGE_RESULT_TABLES) {
    store_entry(p, kSurface, row, entries.surface);
    store_entry(p, kRadiation, row, entries.radiation);
    store_entry(p, kInterior, row, entries.interior);
    store_entry(p, kCritical, row, entries.critical);
    ++row;
  }
}

template <std::size_t N>
void mark_no_effect(program::Program& p, const TableEntry (&entries)[N]) {
  for (const TableEntry& e : entries) (p.*e.table)[static_cast<std::size_t>(e.row)] = p.no_effect_text;
}

}  // namespace

void fill_damage_results(program::Program& p, console::Console& c) {
  p.no_effect_text = " - NE -";
  console::statement_event_check(c, kNoEffectText);
  store_result_entries(p);
  console::statement_event_check(c, kResultEntries);
  for (int row = kFirstNoEffectRow; row <= kLastRow; ++row) {
    p.surface_damage_result[static_cast<std::size_t>(row)] = p.no_effect_text;
    p.radiation_damage_result[static_cast<std::size_t>(row)] = p.no_effect_text;
  }
  console::statement_event_check(c, kNoEffectRows);
  if (p.computer_fib == 1) mark_no_effect(p, FIB_COMPUTER_ENTRIES);
  console::statement_event_check(c, kFibComputerEntries);
  if (p.jdrive_rating == 0) mark_no_effect(p, JUMP_DRIVE_ENTRIES);
  console::statement_event_check(c, kJumpDriveEntries);
}

}  // namespace card
