// Rows of the damage box for ships of different armor, computers and jump drives,
// worked out by hand from the result tables and the column rules.
#include "card/damage_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/closing_sections_test_support.h"
#include "card/damage_results.h"

namespace card {
namespace {


ClosingShip ship_with(float armor, float fib, float jdrive) {
  ClosingShip s;
  s.armor_rating = armor;
  s.computer_fib = fib;
  s.jdrive_rating = jdrive;
  return s;
}

// Draws the box on the screen; rolls 2 to 12 stand in rows 6 to 16.
void draw_box(ClosingBench& run) {
  fill_damage_results(run.p, run.c);
  print_damage_table(run.p, run.c);
  ASSERT_TRUE(run.host.boxes().empty());
}

std::string roll_row(const ClosingBench& run, int roll) { return run.trimmed_row(roll + 4); }

// The cells of a row between its "│" edges: the roll's cell, then columns 1 to 8.
std::vector<std::string> cells_of(const std::string& row) {
  const std::string edge = "│";
  std::vector<std::string> cells;
  std::size_t at = edge.size();
  for (std::size_t next; (next = row.find(edge, at)) != std::string::npos; at = next + edge.size()) {
    cells.push_back(row.substr(at, next - at));
  }
  return cells;
}

TEST(DamageTable, WholeRows) {
  struct Case {
    float armor, fib, jdrive;
    int roll;
    const char* row;
  };
  static const Case cases[] = {
      {0, 0, 2, 2, "│  2 │ Weap-3 │CRITICAL│CRITICAL│ Comp-2 │CRITICAL│JDrive-2│CRITICAL│DESTROYED!│"},
      {0, 0, 2, 7, "│  7 │ Fuel-1 │ Fuel-3 │ Crew-1 │ Comp-1 │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │"},
      {3, 1, 0, 7, "│  7 │ Fuel-1 │ Fuel-2 │ Weap-4 │ - NE - │ Crew-1 │ - NE - │Screen-3│ - NE -   │"},
      {3, 1, 0, 11, "│ 11 │ Weap-1 │ Weap-1 │ Weap-2 │ Weap-1 │ - NE - │ - NE - │ Comp-1 │  SM/FC   │"},
      // Only exactly 1 and exactly 0 take entries away.
      {0, 2, 0.5f, 7, "│  7 │ Fuel-1 │ Fuel-3 │ Crew-1 │ Comp-1 │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │"},
      {0, -1, -2, 4, "│  4 │ Fuel-2 │INTERIOR│ Comp-4 │ Weap-4 │ Comp-4 │ Crew-1 │CRITICAL│Computer  │"},
      // Armor -5: columns 2 and 3 read row 2 up to roll 7.
      {-5, 0, 2, 2, "│  2 │INTERIOR│CRITICAL│CRITICAL│ Comp-2 │CRITICAL│JDrive-2│CRITICAL│DESTROYED!│"},
      {-5, 0, 2, 7, "│  7 │ Weap-3 │CRITICAL│CRITICAL│ Comp-1 │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │"},
      {-5, 0, 2, 8, "│  8 │MDrive-1│INTERIOR│ Crew-1 │ Weap-2 │ Comp-2 │Power-1 │JDrive-2│  Hangar  │"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.row);
    ClosingBench run(ship_with(k.armor, k.fib, k.jdrive));
    run.on_screen();
    draw_box(run);
    EXPECT_EQ(roll_row(run, k.roll), k.row);
  }
}

// Single cells: the column (1 to 8) of one roll.
TEST(DamageTable, CellsAtTheEdgesOfTheScale) {
  struct Case {
    float armor;
    int roll, column;
    const char* cell;
  };
  static const Case cases[] = {
      {14, 2, 1, " - NE - "},  // row 22: past the scale
      {14, 12, 1, " - NE - "},  // row 32 reads row 27
      {10, 11, 2, " Weap-1 "}, {10, 12, 2, " - NE - "}, {10, 11, 3, " Weap-1 "}, {10, 12, 3, " - NE - "},
      {10, 5, 1, " Weap-1 "},  {10, 6, 1, " - NE - "},
      // Armor 0.5: the row index is rounded half to even, 8.5 to 8 and 9.5 to 10.
      {0.5f, 2, 1, " Weap-3 "}, {0.5f, 3, 1, " Fuel-2 "},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(::testing::Message() << "armor " << k.armor << " roll " << k.roll << " column " << k.column);
    ClosingBench run(ship_with(k.armor, 0, 2));
    run.on_screen();
    draw_box(run);
    const std::vector<std::string> cells = cells_of(roll_row(run, k.roll));
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[static_cast<std::size_t>(k.column)], k.cell);
  }
}

TEST(DamageTable, ArmorOfFourteenHasNoFactorResultAtAll) {
  ClosingBench run(ship_with(14, 0, 2));
  run.on_screen();
  draw_box(run);
  for (int roll = 2; roll <= 12; ++roll) EXPECT_EQ(cells_of(roll_row(run, roll))[1], " - NE - ") << roll;
}

// The tables are filled afresh for every card: a later ship with a jump drive and a
// bis computer gets back what the earlier ship lacked.
TEST(DamageTable, TablesFollowTheShipPrintedLast) {
  ClosingBench run(ship_with(3, 1, 0));
  run.on_screen();
  draw_box(run);
  run.set_ship(ship_with(3, 0, 2));
  draw_box(run);
  EXPECT_EQ(roll_row(run, 7),
            "│  7 │ Fuel-1 │ Fuel-2 │ Weap-4 │ Comp-1 │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │");
}

TEST(DamageTable, DocumentRowsEndWithCrLf) {
  ClosingBench run(ship_with(0, 0, 2));
  run.in_document();
  fill_damage_results(run.p, run.c);
  print_damage_table(run.p, run.c);
  // The line end alone, the five header lines, the rolls 2 to 12 and the bottom line.
  const std::vector<std::string> lines = run.document_lines();
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "\r\n");
  EXPECT_EQ(lines[11], "│  7 │ Fuel-1 │ Fuel-3 │ Crew-1 │ Comp-1 │ Crew-1 │JDrive-1│Screen-3│ Z-Drive  │\r\n");
  for (const std::string& line : lines) EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
}

}  // namespace
}  // namespace card
