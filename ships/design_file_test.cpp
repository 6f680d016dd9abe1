#include "ships/design_file.h"

#include <gtest/gtest.h>

#include "ships/design_test_support.h"

namespace ships {
namespace {

class DesignFileTest : public DesignBench {
 protected:
  // Reads pairs text, number, text, number from file 1.
  void read_four(std::string& a, float& b, std::string& d, float& e) {
    read_text_pair(p, c, a, 1);
    read_number_pair(p, c, b, 2);
    read_text_pair(p, c, d, 3);
    read_number_pair(p, c, e, 4);
  }
};

TEST_F(DesignFileTest, OnlyTheOrderOfTheValuesCounts) {
  const char* layouts[] = {
      "Flag,Y,Tons,2500,Name,Sable Heron,TL,12\r\n",
      "Flag\r\nY\r\nTons\r\n2500\r\nName\r\nSable Heron\r\nTL\r\n12\r\n",
      "Flag,Y\r\nTons,2500\nName,Sable Heron\rTL,12",
      "\"Flag, the first value\",Y,Tons,2500 ,  Name  ,  Sable Heron  ,TL,12,Ignored,99",
  };
  for (const char* bytes : layouts) {
    SCOPED_TRACE(bytes);
    console::close_all_files(c);
    write_design_file(bytes);
    console::open_file(c, "SHIP.DAT", console::FileMode::Input, 1);
    std::string flag, name;
    float tons = 0, tl = 0;
    read_four(flag, tons, name, tl);
    EXPECT_EQ(flag, "Y");
    EXPECT_EQ(tons, 2500);
    EXPECT_EQ(name, "Sable Heron");
    EXPECT_EQ(tl, 12);
    EXPECT_TRUE(host.boxes().empty());
  }
}

// An unquoted caption with a comma moves every value by one: the first value is the
// second half of the caption.
TEST_F(DesignFileTest, UnquotedCaptionWithACommaMovesTheValues) {
  write_design_file("Build, then print,Y,Tons,2500\r\n");
  console::open_file(c, "SHIP.DAT", console::FileMode::Input, 1);
  std::string flag;
  float tons = 0;
  read_text_pair(p, c, flag, 1);
  EXPECT_EQ(p.file_caption, "Build");
  EXPECT_EQ(flag, "then print");
  read_number_pair(p, c, tons, 2);
  EXPECT_EQ(p.file_caption, "Y");
  EXPECT_EQ(tons, 0);  // "Tons" does not begin like a number: 0 without a box
  EXPECT_TRUE(host.boxes().empty());
}

// A value read past the end is empty or 0; a pair whose caption is already past the
// end keeps the value it held. Each pair gives one box.
TEST_F(DesignFileTest, PairsPastTheEndGiveOneBoxEach) {
  write_design_file("Flag,Y\r\nTons");
  console::open_file(c, "SHIP.DAT", console::FileMode::Input, 1);
  host.answer_boxes({true, true, true});
  std::string flag = "old", name = "old";
  float tons = 7, tl = 7;
  read_four(flag, tons, name, tl);
  EXPECT_EQ(flag, "Y");
  EXPECT_EQ(tons, 0);
  EXPECT_EQ(name, "old");
  EXPECT_EQ(tl, 7);
  ASSERT_EQ(host.boxes().size(), 3u);
  for (const auto& box : host.boxes()) EXPECT_EQ(box.title, "Unhandled Error #62");
  EXPECT_NE(host.boxes()[0].text.find("Input past end of file"), std::string::npos);
}

// A blank inside a number ends it; the rest is the next value, so the caption of the
// next pair is "2" and its value the caption that was meant.
TEST_F(DesignFileTest, BlankInsideANumberEndsIt) {
  write_design_file("TL,1 2,Name,Sable Heron\r\n");
  console::open_file(c, "SHIP.DAT", console::FileMode::Input, 1);
  float tl = 0;
  std::string name;
  read_number_pair(p, c, tl, 1);
  read_text_pair(p, c, name, 2);
  EXPECT_EQ(tl, 1);
  EXPECT_EQ(p.file_caption, "2");
  EXPECT_EQ(name, "Name");
}

TEST_F(DesignFileTest, NumberTooLargeForSinglePrecisionGivesOverflowAndZero) {
  write_design_file("Tons,1E39\r\n");
  console::open_file(c, "SHIP.DAT", console::FileMode::Input, 1);
  host.answer_boxes({true});
  float tons = 5;
  read_number_pair(p, c, tons, 1);
  EXPECT_EQ(tons, 0);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #6");
}

}  // namespace
}  // namespace ships
