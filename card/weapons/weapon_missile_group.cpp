#include "card/weapons/weapon_missile_group.h"

#include <string>

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/weapons/weapon_group_steps.h"
#include "card/weapons/weapon_row_pieces.h"
#include "card/weapons/weapon_rules.h"
#include "card/weapons/weapon_tables.h"
#include "profile/profile_access.h"

namespace card::weapons {

namespace {

namespace pos = profile::position;

// Places of the steps of the missile group.
enum MissileGroupPlace {
  kMissileCode = place::kMissileGroup,  // four steps of the rating
  kMissileBase = kMissileCode + 4,
  kMissileBatteries,
  kMissilePresent,
  kSbHead,
  kSbOffset,
  kSbCells,
  kSbEnd,
  kMissileRow,  // five steps of the row values
  kMissileTag = kMissileRow + 5,
  kMissileOffset,
  kMissileCells,
  kMissileMultiplier,
  kNudHead,
  kNudOffset,
  kNudCells,
  kNudEnd,
  kMissileRowsCounted,
  kMissileStepsEnd,
};
static_assert(kMissileStepsEnd <= place::kRowPieces);

constexpr float kSbOffsetStart = 5;        // less the laser rating
constexpr float kMissileOffsetStart = 15;  // less the missile rating
constexpr float kNudOffsetStart = 10;      // less the missile rating
constexpr float kMissileSStep = 1;

struct RowWithoutHead {
  const char* tag;  // after the double line, with its divider
  float offset_start;
  float rating_taken_off;
};

// A row of the group without a weapon head: the frame and the tag, the nine cells and
// the empty multiplier; the line end only in the document.
void print_row_without_head(program::Program& p, console::Console& c, const RowWithoutHead& row,
                            int first_place) {
  write_text(p, c, kRowWithoutHead + std::string(row.tag));
  console::statement_event_check(c, first_place);
  p.row_offset = row.offset_start - row.rating_taken_off;
  console::statement_event_check(c, first_place + 1);
  print_offset_cells(p, c, 0, first_place + 2);
  print_empty_multiplier(p, c, !card_on_screen(p), first_place + 3);
}

void print_missile_row(program::Program& p, console::Console& c) {
  set_weapon_row(p, c, {" Missiles   ", p.missile_code, p.missile_base, kMissileSStep, 0}, kMissileRow);
  print_weapon_row_head(p, c);
  write_text(p, c, " REP \xB3");
  console::statement_event_check(c, kMissileTag);
  p.row_offset = kMissileOffsetStart - p.mes_rating;
  console::statement_event_check(c, kMissileOffset);
  print_offset_cells(p, c, 0, kMissileCells);
  write_text(p, c, "  x1 \xB3", !card_on_screen(p));
  console::statement_event_check(c, kMissileMultiplier);
}

}  // namespace

void print_missile_group(program::Program& p, console::Console& c) {
  read_weapon_rating(p, c, pos::kMissile, p.missile_code, p.mes_rating, kMissileCode);
  p.missile_base = missile_base_for(c.errors, p.mes_rating);
  console::statement_event_check(c, kMissileBase);
  decode_weapon_batteries(p, c, pos::kMissile, kMissileBatteries);
  const bool present = p.mes_rating != 0;
  console::statement_event_check(c, kMissilePresent);
  if (!present) return;
  print_row_without_head(p, c, {" S/B \xB3", kSbOffsetStart, p.laser_rating}, kSbHead);
  print_missile_row(p, c);
  print_row_without_head(p, c, {" NuD \xB3", kNudOffsetStart, p.mes_rating}, kNudHead);
  p.weapon_rows = p.weapon_rows + 4;
  console::statement_event_check(c, kMissileRowsCounted);
}

}  // namespace card::weapons
