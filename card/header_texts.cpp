#include "card/header_texts.h"

#include "card/card_writes.h"
#include "console/number_text.h"
#include "profile/profile_access.h"
#include "ships/name_tags.h"

namespace card {

namespace {

namespace pos = profile::position;

constexpr float kKilotonFrom = 2000;

std::string text_of(float x) { return console::number_to_text(x); }

float decode_position(program::Program& p, int position, std::string& code) {
  code = profile::profile_char(p, position);
  return profile::decode_char(p, code);
}

// Agility above the M-Drive is lowered to it for good; 0 leaves the piece out.
void add_agility(program::Program& p, float& agility) {
  if (agility > p.mdrive_rating) agility = p.mdrive_rating;
  if (agility > 0) p.card_line += ", Agility =" + text_of(agility);
}

// An EP of 0 is filled in for good from the power plant: rating times tons / 100.
void add_ep(program::Program& p, float& ep, float tons) {
  if (ep == 0) ep = p.pplant_rating * tons / 100;
  p.card_line += ", EP =" + text_of(ep);
}

}  // namespace

std::string tonnage_text(float tons) {
  if (tons < kKilotonFrom) return text_of(tons) + "t";
  return text_of(tons / 1000) + "kt";
}

void remove_name_tag(program::Program& p) {
  std::string& name = p.ship_name.at(program::current_record(p));
  name = ships::untagged_name(name);
}

void build_header_text(program::Program& p) {
  const std::size_t record = program::current_record(p);
  p.type_text = p.ship_type.at(record);
  p.class_code = profile::profile_class_code(p);
  p.card_line = p.ship_name.at(record) + ", " + p.type_text + ", " + p.configuration_text + ",";
  const bool document = !card_on_screen(p);
  if (document) p.card_line = p.class_code + "-" + p.card_line;
  p.card_line += tonnage_text(p.ship_tons.at(record));
  if (document) p.card_line += ", TL" + text_of(p.ship_tl.at(record));
}

void build_drive_text(program::Program& p) {
  const std::size_t record = program::current_record(p);
  p.mdrive_rating = decode_position(p, pos::kMDrive, p.mdrive_code);
  p.card_line = "M-Drive =" + text_of(p.mdrive_rating) + "g";
  add_agility(p, p.ship_agility.at(record));
  p.jdrive_rating = decode_position(p, pos::kJDrive, p.jdrive_code);
  if (p.jdrive_rating > 0) p.card_line += ", J-Drive =" + text_of(p.jdrive_rating);
  p.pplant_rating = decode_position(p, pos::kPPlant, p.pplant_code);
  p.card_line += ", P-Plant =" + text_of(p.pplant_rating);
  add_ep(p, p.ship_ep.at(record), p.ship_tons.at(record));
}

}  // namespace card
