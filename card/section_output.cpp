#include "card/section_output.h"

#include <cstddef>
#include <cstdint>

#include "console/files.h"
#include "console/number_conversion.h"
#include "console/number_field.h"
#include "console/screen.h"

namespace card {

namespace {

long card_output_number(const ships::Program& p) {
  return static_cast<long>(console::round_to_int64(p.output_channel));
}

template <typename T>
const T* current_entry(const ships::Program& p, const std::vector<T>& values) {
  const std::int64_t index = console::round_to_int64(p.ship_index);
  if (index < 0 || static_cast<std::size_t>(index) >= values.size()) return nullptr;
  return &values[static_cast<std::size_t>(index)];
}

}  // namespace

void write_card_items(const ships::Program& p, console::Console& c,
                      std::initializer_list<std::string> items, bool line_end) {
  const long number = card_output_number(p);
  if (items.size() == 0) {
    console::print_to_file(c, number, "", false, false, line_end);
    return;
  }
  std::size_t left = items.size();
  for (const std::string& item : items) {
    --left;
    console::print_to_file(c, number, item, false, false, line_end && left == 0);
  }
}

std::string card_blanks(console::Console& c, float count) {
  return console::column_skip_blanks(c, console::round_to_int64(count), true);
}

std::string number_fields_text(console::ErrorState& errors, const std::string& format,
                               std::initializer_list<float> values) {
  std::string text;
  int position = 0;
  for (float x : values) position = console::format_number_field(errors, format, position, x, text);
  return text;
}

std::string current_ship_text(const ships::Program& p, const std::vector<std::string>& texts) {
  const std::string* text = current_entry(p, texts);
  return text == nullptr ? std::string() : *text;
}

float current_ship_number(const ships::Program& p, const std::vector<float>& numbers) {
  const float* number = current_entry(p, numbers);
  return number == nullptr ? 0.0f : *number;
}

}  // namespace card
