#include "card/card_writes.h"

#include "console/files.h"
#include "console/number_conversion.h"
#include "console/number_field.h"
#include "console/screen.h"

namespace card {

void build_frame_strings(program::Program& p) {
  p.frame_top = "\xDA" + std::string(78, '\xC4') + "\xBF";    // ┌─┐
  p.frame_rule = "\xC3" + std::string(78, '\xC4') + "\xB4";   // ├─┤
  p.frame_side = "\xB3";                                      // │
}

bool card_on_screen(const program::Program& p) { return p.output_channel == 2; }

void write_text(program::Program& p, console::Console& c, const std::string& item, bool line_end) {
  console::print_to_file(c, program::output_file_number(p), item, false, false, line_end);
}

void write_skip(program::Program& p, console::Console& c, double count) {
  const std::string blanks = console::column_skip_blanks(c, console::round_to_int64(count), true);
  write_text(p, c, blanks);
}

std::string field_text(console::Console& c, const std::string& format,
                       std::initializer_list<float> values) {
  std::string out;
  int position = 0;
  for (const float v : values) position = console::format_number_field(c.errors, format, position, v, out);
  return out;
}

void write_fields(program::Program& p, console::Console& c, const std::string& format,
                  std::initializer_list<float> values, bool line_end) {
  write_text(p, c, field_text(c, format, values), line_end);
}

void place_on_screen(program::Program& p, console::Console& c, int row, int column) {
  if (card_on_screen(p)) console::move_cursor(c, row, column);
}

}  // namespace card
