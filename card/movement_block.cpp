#include "card/movement_block.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "console/number_conversion.h"

namespace card {

namespace {

enum Place {
  kMovementHeading = place::kMovementBlock,
  kDriveLine,
  kMovementLabel,
  kSkillBonus,
  kHexesPerTurn,
  kHexesField,
  kMovementStepsEnd,
};
static_assert(kMovementStepsEnd <= place::kCounterBlock);

constexpr const char* kHeadingText = " Hexes & Kestramond Movement Calculation";
constexpr const char* kDriveFormat = " M-Drive## Agility##  Skill :  1  2  3  4  5  6";
constexpr const char* kLabelText = " Movement in Hexes per Turn :";
constexpr const char* kHexesFormat = "###";
constexpr float kFirstSkill = 1, kLastSkill = 6;

// The movement at the current skill: (M-Drive + agility + skill bonus) / 3 in single
// precision, rounded half to even into 16 bits.
void work_out_movement(program::Program& p, console::Console& c) {
  p.skill_bonus = console::integer_part((p.movement_skill - 1.0f) / 2.0f);
  console::statement_event_check(c, kSkillBonus);
  float sum = p.mdrive_rating + p.ship_agility.at(program::current_record(p));
  sum = sum + p.skill_bonus;
  p.hexes_per_turn = static_cast<float>(console::round_to_int16(c.errors, sum / 3.0f));
  console::statement_event_check(c, kHexesPerTurn);
}

}  // namespace

void print_movement_block(program::Program& p, console::Console& c) {
  write_text(p, c, kHeadingText, true);
  console::statement_event_check(c, kMovementHeading);
  write_fields(p, c, kDriveFormat, {p.mdrive_rating, p.ship_agility.at(program::current_record(p))}, true);
  console::statement_event_check(c, kDriveLine);
  write_text(p, c, kLabelText);
  console::statement_event_check(c, kMovementLabel);
  for (p.movement_skill = kFirstSkill; p.movement_skill <= kLastSkill;
       p.movement_skill = p.movement_skill + 1) {
    work_out_movement(p, c);
    write_fields(p, c, kHexesFormat, {p.hexes_per_turn});
    console::statement_event_check(c, kHexesField);
  }
}

}  // namespace card
