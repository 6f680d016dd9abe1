#include "ships/design_file.h"

#include "console/files.h"

namespace ships {

using program::Program;

namespace {

// The caption of the pair; true when the value may be read after it.
bool read_caption(Program& p, console::Console& c) {
  console::input_string_from_file(c, kDesignFileNumber, p.file_caption);
  return !console::error_pending(c.errors);
}

}  // namespace

void read_text_pair(Program& p, console::Console& c, std::string& value, int place) {
  if (read_caption(p, c)) console::input_string_from_file(c, kDesignFileNumber, value);
  console::statement_event_check(c, place);
}

void read_number_pair(Program& p, console::Console& c, float& value, int place) {
  if (read_caption(p, c)) {
    value = static_cast<float>(console::input_number_from_file(c, kDesignFileNumber));
  }
  console::statement_event_check(c, place);
}

}  // namespace ships
