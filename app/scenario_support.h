// Helpers for tests that run the program on the scripted host: the screen as lines
// of text, and a program with its arrays made ready.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <system_error>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/program_flow.h"
#include "console/screen.h"
#include "console/scripted_host.h"

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
inline constexpr char NO_DESIGN_FILE[] = "Design this ship,N\r\n";

// A fresh temporary folder, made the current directory while the object lives: the
// program reads SHIP.DAT there and writes its documents and exports there.
class WorkingFolder {
 public:
  WorkingFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "datacard_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
    path_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~WorkingFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path path_, previous_;
};

}  // namespace app
