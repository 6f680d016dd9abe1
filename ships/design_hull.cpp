#include "ships/design_hull.h"

#include "console/files.h"
#include "console/screen.h"
#include "ships/design_file.h"
#include "ships/ship_places.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum HeaderStep {
  kFileName = place::kDesignHeader,
  kOpenFile,
  kFlagPair,
  kCloseWithoutShip,
  kClearForDesign,
  kRecordZero,
  kClassPair,
  kClassCut,
  kTypePair,
  kTlPair,
  kTlEffective,
  kNamePair,
  kClearForResult,
  kHeaderRow,
  kTonsPair,
  kCurrentTons,
  kHullSize,
  kHeaderStepsEnd,
};
static_assert(kHeaderStepsEnd <= place::kDesignDrives);

struct HullSizeLimit {
  float tons_below;
  char code;
};

// The first limit that the tonnage is below gives the code.
constexpr HullSizeLimit HULL_SIZE_LIMITS[] = {
    {100, '0'},     {200, '1'},     {300, '2'},     {400, '3'},     {500, '4'},
    {600, '5'},     {700, '6'},     {800, '7'},     {900, '8'},     {1000, '9'},
    {2000, 'A'},    {3000, 'B'},    {4000, 'C'},    {5000, 'D'},    {6000, 'E'},
    {7000, 'F'},    {8000, 'G'},    {9000, 'H'},    {10000, 'J'},   {20000, 'K'},
    {30000, 'L'},   {40000, 'M'},   {50000, 'N'},   {75000, 'P'},   {100000, 'Q'},
    {200000, 'R'},  {300000, 'S'},  {400000, 'T'},  {500000, 'U'},  {700000, 'V'},
    {900000, 'W'},  {1000000, 'X'},
};
constexpr char kLargestHullCode = 'Y';

constexpr std::size_t kClassCodeLength = 2;

// Pair 1: the flag. Anything but "Y" closes the file again.
bool read_flag(Program& p, console::Console& c) {
  p.ship_file_name = "SHIP.DAT";
  console::statement_event_check(c, kFileName);
  console::open_file(c, p.ship_file_name, console::FileMode::Input, kDesignFileNumber);
  console::statement_event_check(c, kOpenFile);
  read_text_pair(p, c, p.file_flag, kFlagPair);
  if (p.file_flag == "Y") return true;
  console::close_file(c, kDesignFileNumber);
  console::statement_event_check(c, kCloseWithoutShip);
  return false;
}

void read_class_type_and_tl(Program& p, console::Console& c) {
  read_text_pair(p, c, p.design_class_code, kClassPair);
  if (p.design_class_code.size() > kClassCodeLength) p.design_class_code.resize(kClassCodeLength);
  console::statement_event_check(c, kClassCut);
  read_text_pair(p, c, p.ship_type[0], kTypePair);
  read_number_pair(p, c, p.ship_tl[0], kTlPair);
  p.tl_effective = p.ship_tl[0] + 3.0f;
  console::statement_event_check(c, kTlEffective);
}

// Row 1 of the design result: a blank, the class code, a blank and the name.
void print_header_row(Program& p, console::Console& c) {
  console::clear_screen(c);
  console::statement_event_check(c, kClearForResult);
  console::print_screen_item(c, " ");
  console::print_screen_item(c, p.design_class_code);
  console::print_screen_item(c, " ");
  console::print_screen_item(c, p.ship_name[0]);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kHeaderRow);
}

}  // namespace

bool read_design_header(Program& p, console::Console& c) {
  if (!read_flag(p, c)) return false;
  console::clear_screen(c);
  console::statement_event_check(c, kClearForDesign);
  p.ship_count = 0;
  p.ship_index = 0;
  console::statement_event_check(c, kRecordZero);
  read_class_type_and_tl(p, c);
  read_text_pair(p, c, p.ship_name[0], kNamePair);
  print_header_row(p, c);
  read_number_pair(p, c, p.ship_tons[0], kTonsPair);
  p.current_tons = p.ship_tons[0];
  console::statement_event_check(c, kCurrentTons);
  return true;
}

void derive_hull_size_code(Program& p, console::Console& c) {
  p.hull_size_code = hull_size_code_for(p.current_tons);
  console::statement_event_check(c, kHullSize);
}

std::string hull_size_code_for(float tons) {
  for (const HullSizeLimit& limit : HULL_SIZE_LIMITS) {
    if (tons < limit.tons_below) return std::string(1, limit.code);
  }
  return std::string(1, kLargestHullCode);
}

}  // namespace ships
