#include "ships/design_hull.h"

#include <gtest/gtest.h>

#include "ships/design_test_support.h"

namespace ships {
namespace {

TEST(HullSizeCode, FirstLimitTheTonnageIsBelow) {
  const struct {
    float tons;
    const char* code;
  } cases[] = {
      {-50, "0"},      {0, "0"},         {99.5f, "0"},     {100, "1"},       {999, "9"},
      {1000, "A"},     {2500, "B"},      {4000, "D"},      {9999, "J"},      {10000, "K"},
      {49999, "N"},    {50000, "P"},     {74999, "P"},     {75000, "Q"},     {100000, "R"},
      {450000, "U"},   {500000, "V"},    {899999, "W"},    {900000, "X"},    {999999.9f, "X"},
      {1000000, "Y"},  {5e7f, "Y"},
  };
  for (const auto& k : cases) EXPECT_EQ(hull_size_code_for(k.tons), k.code) << k.tons;
}

class DesignHeaderTest : public DesignBench {
 protected:
  // Something on the screen, so that a clear shows.
  void SetUp() override {
    DesignBench::SetUp();
    console::print_to_screen(c, "menu", true);
  }
};

TEST_F(DesignHeaderTest, AnyFirstValueButYEndsTheDesignWithTheFileClosed) {
  const struct {
    const char* bytes;
    bool designs;
  } cases[] = {
      {"Flag,Y\r\n", true},
      {"Flag,Y   ,Class,DD\r\n", true},  // a plain value loses its trailing blanks
      {"Flag,Y", true},
      {"Flag,y\r\n", false},
      {"Flag,\r\n", false},
      {"Flag,\"Y \"\r\n", false},
      {"Flag,N\r\n", false},
      {"Flag,YES\r\n", false},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.bytes);
    console::close_all_files(c);
    p.file_flag.clear();
    console::clear_screen(c);
    console::print_to_screen(c, "menu", true);
    write_design_file(k.bytes);
    host.answer_boxes({true, true, true, true, true});
    EXPECT_EQ(read_design_header(p, c), k.designs);
    if (!k.designs) {
      EXPECT_FALSE(c.files.is_open(1));
      EXPECT_EQ(row(1), "menu");
    }
  }
}

TEST_F(DesignHeaderTest, HeaderValuesAndTheFirstRowOfTheResult) {
  write_design_file(
      "Flag,Y\r\nClass,DDE\r\nType,Escort Destroyer\r\nTL,12\r\nName,Sable Heron\r\nTons,2500\r\n");
  p.ship_count = 144;
  p.ship_index = 17;
  ASSERT_TRUE(read_design_header(p, c));
  derive_hull_size_code(p, c);
  EXPECT_EQ(p.ship_file_name, "SHIP.DAT");
  EXPECT_EQ(p.design_class_code, "DD");
  EXPECT_EQ(p.ship_type[0], "Escort Destroyer");
  EXPECT_EQ(p.ship_tl[0], 12);
  EXPECT_EQ(p.tl_effective, 15);
  EXPECT_EQ(p.ship_name[0], "Sable Heron");
  EXPECT_EQ(p.ship_tons[0], 2500);
  EXPECT_EQ(p.current_tons, 2500);
  EXPECT_EQ(p.hull_size_code, "B");
  EXPECT_EQ(p.ship_count, 0);
  EXPECT_EQ(p.ship_index, 0);
  EXPECT_EQ(p.file_caption, "Tons");
  EXPECT_TRUE(c.files.is_open(1));
  EXPECT_EQ(row(1), " DD Sable Heron");
  EXPECT_EQ(row(2), "");
  EXPECT_EQ(c.page.cursor_row(), 2);
  EXPECT_EQ(c.page.cursor_column(), 1);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(DesignHeaderTest, ClassCodeOfOneCharacterStaysOneCharacterLong) {
  write_design_file("Flag,Y,Class,D,Type,,TL,0,Name,Gull,Tons,50\r\n");
  ASSERT_TRUE(read_design_header(p, c));
  EXPECT_EQ(p.design_class_code, "D");
  EXPECT_EQ(p.tl_effective, 3);
  EXPECT_EQ(row(1), " D Gull");
}

TEST_F(DesignHeaderTest, MissingFileGivesTwoBoxesAndNoShip) {
  host.answer_boxes({true, true});
  EXPECT_FALSE(read_design_header(p, c));
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #53");
  EXPECT_NE(host.boxes()[0].text.find("\nFile not found\n"), std::string::npos);
  EXPECT_EQ(host.boxes()[1].title, "Unhandled Error #52");
  EXPECT_NE(host.boxes()[1].text.find("\nBad file name or number\n"), std::string::npos);
  EXPECT_EQ(p.file_flag, "");
  EXPECT_EQ(row(1), "menu");
}

TEST_F(DesignHeaderTest, NoInEitherBoxEndsTheProgram) {
  for (const std::vector<bool>& answers : {std::vector<bool>{false}, std::vector<bool>{true, false}}) {
    SCOPED_TRACE(answers.size());
    console::ScriptedHost other_host;
    console::Console other{other_host};
    other_host.attach(other);
    for (const bool answer : answers) other_host.answer_boxes({answer});
    EXPECT_THROW(read_design_header(p, other), console::ProgramHalt);
    EXPECT_EQ(other_host.boxes().size(), answers.size());
    EXPECT_TRUE(other.flags.exit_request.load());
  }
}

}  // namespace
}  // namespace ships
