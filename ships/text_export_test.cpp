#include "ships/text_export.h"

#include <gtest/gtest.h>

#include "program/ship_record_test_support.h"
#include "ships/design_test_support.h"

namespace ships {
namespace {

class TextExportTest : public DesignBench {
 protected:
  void SetUp() override {
    DesignBench::SetUp();
    p.ship_count = 0;
    program::put_ship(p, 0,
                      {.name = "Gull",
                       .type = "Courier",
                       .profile = "GC-1111110-000000-00001",
                       .aux_value = 0,
                       .tons = 100,
                       .batteries = "                      1",
                       .crew = 2,
                       .tl = 9,
                       .passengers = 4,
                       .l_berths = 0,
                       .cargo = 20,
                       .fuel = 30,
                       .ep = 40,
                       .agility = 1,
                       .troops = 0,
                       .code_x = 31});
  }
};

TEST_F(TextExportTest, FourLinesOfTheRecordEndedByCrLf) {
  write_text_export(p, c);
  EXPECT_EQ(file_bytes("Gull.txt"),
            " Gull" + std::string(9, ' ') + "Courier\r\n"  // the type in column 15
            " GC-1111110-000000-00001 0  100 \r\n"
            "                       1 2  9 \r\n"
            "  4  0  20  30  40  1  0 \r\n");
  EXPECT_EQ(p.export_file_name, "Gull.txt");
  EXPECT_EQ(p.output_channel, 1);
  EXPECT_FALSE(c.files.is_open(1));
  EXPECT_EQ(row(1), "");  // nothing on the screen
  EXPECT_TRUE(host.boxes().empty());
}

// The type starts in the next comma zone after the name and at least one blank.
TEST_F(TextExportTest, TypeStartsInTheNextCommaZone) {
  const struct {
    const char* name;
    std::size_t blanks;
  } cases[] = {
      {"", 13}, {"Eleven Char", 2}, {"Twelve Chars", 1}, {"Thirteen Char", 14},
      {"A name of twenty-six chars", 1}, {"A name of twenty-seven char", 14},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    p.ship_name[0] = k.name;
    write_text_export(p, c);
    const std::string bytes = file_bytes(std::string(k.name) + ".txt");
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), " " + std::string(k.name) + std::string(k.blanks, ' ') + "Courier");
  }
}

TEST_F(TextExportTest, NegativeAndLargeNumbersAndAnOldFileReplaced) {
  folder.write("Gull.txt", std::string(500, 'x'));
  p.ship_fuel[0] = -30;
  p.ship_tons[0] = 1e7f;
  p.ship_aux_value[0] = 0.5f;
  write_text_export(p, c);
  EXPECT_EQ(file_bytes("Gull.txt"),
            " Gull" + std::string(9, ' ') + "Courier\r\n"
            " GC-1111110-000000-00001 .5  1E+07 \r\n"
            "                       1 2  9 \r\n"
            "  4  0  20 -30  40  1  0 \r\n");
}

// A name the system refuses: the open's box, then one box for each of the lines.
TEST_F(TextExportTest, FileThatCannotBeCreatedGivesABoxForEachLine) {
  p.ship_name[0] = "Gull/Tern";
  host.answer_boxes({true, true, true, true, true});
  write_text_export(p, c);
  ASSERT_EQ(host.boxes().size(), 5u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #53");
  for (std::size_t i = 1; i < 5; ++i) EXPECT_EQ(host.boxes()[i].title, "Unhandled Error #52");
  EXPECT_EQ(p.output_channel, 1);
}

}  // namespace
}  // namespace ships
