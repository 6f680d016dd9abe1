// Helpers for tests that run the program on the scripted host: the screen as lines
// of text, and a program with its arrays made ready.
#pragma once

#include <string>
#include <vector>

#include "app/program_flow.h"
#include "console/screen.h"
#include "console/scripted_host.h"
#include "console/working_folder_test_support.h"

namespace app {

// Rows first to last of the page, trimmed.
inline std::vector<std::string> screen_rows(const console::TextPage& page, int first, int last) {
  std::vector<std::string> rows;
  for (int r = first; r <= last; ++r) rows.push_back(console::page_text_row(page, r));
  return rows;
}

// A console on a scripted host, with the program's state beside it.
struct ScriptedRun {
  ScriptedRun() { host.attach(console); }
  console::ScriptedHost host;
  console::Console console{host};
  program::Program program;
};

// A ship design file whose first value asks for no design: the menu follows the load.
inline constexpr char kNoDesignFile[] = "Design this ship,N\r\n";

// The working folder of a scenario: SHIP.DAT is written there and the documents and
// exports are read back from there.
using console::WorkingFolder;

}  // namespace app
