// Helpers for the tests of the ship design: a console on a scripted host and a
// program with its ship arrays made, run in a fresh temporary folder where a design
// file can be written and opened as file 1.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/files.h"
#include "console/screen.h"
#include "console/scripted_host.h"
#include "console/working_folder_test_support.h"
#include "program/program.h"
#include "program/ship_record_test_support.h"

namespace ships {

class DesignBench : public ::testing::Test {
 protected:
  DesignBench() {
    host.attach(c);
    fresh_program();
  }

  // Every value 0 or empty again, with the ship arrays of 1001 entries.
  void fresh_program() { p = program::program_with_ship_arrays(); }
  void TearDown() override { console::close_all_files(c); }

  // Writes SHIP.DAT with the bytes given.
  void write_design_file(const std::string& bytes) { folder.write("SHIP.DAT", bytes); }

  // Writes the values as pairs, one pair a line with a caption of its own, and opens
  // the file as file 1.
  void open_values(const std::vector<std::string>& values) {
    std::string bytes;
    for (std::size_t i = 0; i < values.size(); ++i) bytes += "Value " + std::to_string(i + 1) + "," + values[i] + "\r\n";
    write_design_file(bytes);
    console::open_file(c, "SHIP.DAT", console::FileMode::Input, 1);
  }

  // The bytes of a file in the folder.
  std::string file_bytes(const std::string& name) { return folder.read(name); }

  std::string row(int r) {
    return console::page_text_row(c.page, r);
  }

  console::WorkingFolder folder;  // the working folder while the test runs
  console::ScriptedHost host;
  console::Console c{host};
  program::Program p;
};

}  // namespace ships
