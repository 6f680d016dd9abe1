#include "ships/text_export.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "console/files.h"
#include "console/number_conversion.h"
#include "console/number_text.h"
#include "ships/ship_places.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum ExportStep {
  kExportName = place::kExport,
  kExportChannel,
  kOpenExport,
  kNameLine,
  kProfileLine,
  kBatteryLine,
  kNumbersLine,
  kCloseExport,
  kExportStepsEnd,
};
static_assert(kExportStepsEnd <= place::kEnd);

// One item of an export line: a text field, or a number field written as its number
// text and one blank.
struct ExportItem {
  std::vector<std::string> Program::*text;
  std::vector<float> Program::*number;
  bool next_zone;  // the next item starts in the next comma zone
};

constexpr ExportItem NAME_LINE[] = {
    {&Program::ship_name, nullptr, true},
    {&Program::ship_type, nullptr, false},
};
constexpr ExportItem PROFILE_LINE[] = {
    {&Program::ship_profile, nullptr, false},
    {nullptr, &Program::ship_aux_value, false},
    {nullptr, &Program::ship_tons, false},
};
constexpr ExportItem BATTERY_LINE[] = {
    {&Program::ship_batteries, nullptr, false},
    {nullptr, &Program::ship_crew, false},
    {nullptr, &Program::ship_tl, false},
};
constexpr ExportItem NUMBERS_LINE[] = {
    {nullptr, &Program::ship_passengers, false}, {nullptr, &Program::ship_l_berths, false},
    {nullptr, &Program::ship_cargo, false},      {nullptr, &Program::ship_fuel, false},
    {nullptr, &Program::ship_ep, false},         {nullptr, &Program::ship_agility, false},
    {nullptr, &Program::ship_troops, false},
};

struct ExportLine {
  std::span<const ExportItem> items;
  int place;
};

// Fields 1 to 15 of the record, in record order.
constexpr ExportLine EXPORT_LINES[] = {
    {NAME_LINE, kNameLine},
    {PROFILE_LINE, kProfileLine},
    {BATTERY_LINE, kBatteryLine},
    {NUMBERS_LINE, kNumbersLine},
};

constexpr char kLineStart[] = " ";

void write_item(Program& p, console::Console& c, std::size_t record, const ExportItem& item, bool line_end) {
  const long file = program::output_file_number(p);
  if (item.text != nullptr) {
    console::print_to_file(c, file, (p.*item.text).at(record), false, item.next_zone, line_end);
  } else {
    console::print_to_file(c, file, console::number_to_text((p.*item.number).at(record)), true, item.next_zone,
                           line_end);
  }
}

// One write statement: the blank that begins the line, then the items, the last one
// with the line end.
void write_line(Program& p, console::Console& c, std::size_t record, const ExportLine& line) {
  console::print_to_file(c, program::output_file_number(p), kLineStart, false, false, false);
  for (std::size_t i = 0; i < line.items.size(); ++i) {
    write_item(p, c, record, line.items[i], i + 1 == line.items.size());
  }
  console::statement_event_check(c, line.place);
}

}  // namespace

void write_text_export(Program& p, console::Console& c) {
  const auto record = static_cast<std::size_t>(console::round_to_int64(p.ship_count));
  p.export_file_name = p.ship_name.at(record) + ".txt";
  console::statement_event_check(c, kExportName);
  p.output_channel = 1;
  console::statement_event_check(c, kExportChannel);
  console::open_file(c, p.export_file_name, console::FileMode::Output, 1);
  console::statement_event_check(c, kOpenExport);
  for (const ExportLine& line : EXPORT_LINES) write_line(p, c, record, line);
  console::close_file(c, 1);
  console::statement_event_check(c, kCloseExport);
}

}  // namespace ships
