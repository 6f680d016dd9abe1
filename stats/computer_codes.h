// The computer of a ship: profile position 9 is a digit or a letter of the computer
// table, compared case-sensitively. A digit names a model of its own; the letters name
// fib (fibre-optic) and bis models 1 to 9. The counter values read the model; the
// card header reads the model, the fib flag and the computer cell's text.
#pragma once

#include <string>

namespace stats {

struct ComputerCode {
  std::string text;  // the computer cell's text: "    4", "2 fib", or five blanks
  float model;       // the model from the table; 0 for an unlisted code
  float fib;         // 1 for a fib computer
  bool digit;        // a digit "1" to "9": its model is its own, whatever the count
};

// The table's entry for a computer code: a digit "1" to "9" gives four blanks and the
// digit, its own model and no fib; every code the table does not list ("0", other
// letters, lower case, the empty text) gives five blanks, 0 and 0.
ComputerCode computer_code_entry(const std::string& code);

}  // namespace stats
