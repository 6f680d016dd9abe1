#include "stats/computer_codes.h"

namespace stats {

namespace {

struct ComputerCodeRow {
  char code;
  const char* text;
  float model;
  float fib;
};

constexpr ComputerCodeRow COMPUTER_CODES[] = {
    {'A', "1 fib", 1, 1}, {'R', "1 bis", 1, 0}, {'B', "2 fib", 2, 1}, {'S', "2 bis", 2, 0},
    {'C', "3 fib", 3, 1}, {'D', "4 fib", 4, 1}, {'E', "5 fib", 5, 1}, {'F', "6 fib", 6, 1},
    {'G', "7 fib", 7, 1}, {'H', "8 fib", 8, 1}, {'J', "9 fib", 9, 1},
};

}  // namespace

ComputerCode computer_code_entry(const std::string& code) {
  if (code.size() == 1 && code[0] >= '1' && code[0] <= '9') {
    return {"    " + code, static_cast<float>(code[0] - '0'), 0, true};
  }
  if (code.size() == 1) {
    for (const auto& row : COMPUTER_CODES) {
      if (row.code == code[0]) return {row.text, row.model, row.fib, false};
    }
  }
  return {"     ", 0, 0, false};
}

}  // namespace stats
