// Helpers for tests that run the program on the scripted host: the screen as lines
// of text, and a program with its arrays made ready.
#pragma once

#include <string>
#include <vector>

#include "app/program_flow.h"
#include "console/scripted_host.h"
#include "console/screen.h"

namespace app {

// Row r of the page as UTF-8, without the blanks at its end.
inline std::string screen_row(const console::TextPage& page, int r) {
  std::string line = console::page_text_line(page, r);
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// Rows first to last of the page, trimmed.
inline std::vector<std::string> screen_rows(const console::TextPage& page, int first, int last) {
  std::vector<std::string> rows;
  for (int r = first; r <= last; ++r) rows.push_back(screen_row(page, r));
  return rows;
}

// A console on a scripted host, with the program's state beside it.
struct ScriptedRun {
  ScriptedRun() { host.attach(console); }
  console::ScriptedHost host;
  console::Console console{host};
  ships::Program program;
};

}  // namespace app
