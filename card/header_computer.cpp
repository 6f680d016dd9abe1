// The computer of the card header: its model, its fib flag and the computer cell
// that opens row 8 of the card.
#include "card/card_header.h"

#include "card/card_writes.h"
#include "console/number_conversion.h"
#include "profile/profile_access.h"
#include "stats/computer_codes.h"

namespace card {

void derive_computer(program::Program& p, console::Console& c) {
  p.computer_code = profile::profile_char(p, profile::position::COMPUTER);
  const stats::ComputerCode entry = stats::computer_code_entry(p.computer_code);
  p.computer_text = entry.text;
  p.computer_model = entry.model;
  p.computer_fib = entry.fib;
  if (entry.digit) return;
  // Several computers of a lettered model work together, and the bonus adds to them.
  const double first = static_cast<double>(
      console::parse_number_text(c.errors, p.computer_text.substr(0, 1)));
  p.computer_model = static_cast<float>(first * static_cast<double>(p.computer_count) +
                                        static_cast<double>(p.computer_bonus));
  if (p.computer_model == 0) p.computer_model = 1;
}

std::string computer_cell(program::Program& p, console::Console& c) {
  const std::string count = p.computer_count < 1
                                ? std::string(" Comp : ")
                                : field_text(c, "##x COM ", {p.computer_count});
  return p.frame_side + count + p.computer_text + " " + p.frame_side;
}

}  // namespace card
