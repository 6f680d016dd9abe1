#include "ships/ship_loader.h"

#include <gtest/gtest.h>

#include "console/screen.h"
#include "console/scripted_host.h"
#include "program/ship_record_test_support.h"
#include "ships/ship_list.h"

namespace ships {
namespace {

class ShipLoaderTest : public ::testing::Test {
 protected:
  ShipLoaderTest() { host.attach(c); }
  std::string row(int r) {
    return console::page_text_row(c.page, r);
  }

  console::ScriptedHost host;
  console::Console c{host};
  program::Program p = program::program_with_ship_arrays();
};

TEST_F(ShipLoaderTest, RecordsEchoAndTags) {
  const std::string list =
      "\"Tern \",\"Qor picket\",\"TP-1111111-000000-00000\",00,16536.724,\"            1\","
      "08,12,.2,3,4.5,6,7,1.5,9,40,41,42,"
      "\"Mist, Rain\",\"Liner\",\"LN-2222222-000000-00000-1\",12.8,200,\"                   \","
      "1,9,0,0,0,0,0,0,0,0,0,0,"
      "\"XXX\",";
  load_ship_list(p, c, list);
  EXPECT_FALSE(console::error_pending(c.errors));
  EXPECT_EQ(p.ship_count, 2);
  EXPECT_EQ(row(1), " 1 Tern");  // the echo shows the name as read, before the tag
  EXPECT_EQ(row(2), " 2 Mist, Rain");
  EXPECT_EQ(row(3), " 3 XXX");
  EXPECT_EQ(p.ship_name[1], "QOR-Tern ");  // the trailing blank stays
  EXPECT_EQ(p.ship_name[2], "Mist, Rain");
  EXPECT_EQ(p.ship_type[1], "Qor picket");
  EXPECT_EQ(p.ship_profile[1], "TP-1111111-000000-00000");
  EXPECT_EQ(p.ship_batteries[1], "            1");
  EXPECT_EQ(p.ship_aux_value[1], 0.0f);
  EXPECT_EQ(p.ship_tons[1], 16536.724f);
  const float numbers[] = {p.ship_crew[1],  p.ship_tl[1],      p.ship_passengers[1], p.ship_l_berths[1],
                           p.ship_cargo[1], p.ship_fuel[1],    p.ship_ep[1],         p.ship_agility[1],
                           p.ship_troops[1], p.ship_code_x[1], p.ship_code_y[1],     p.ship_code_z[1]};
  const float expected[] = {8, 12, 0.2f, 3, 4.5f, 6, 7, 1.5f, 9, 40, 41, 42};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(numbers[i], expected[i]) << i;
  EXPECT_EQ(p.ship_aux_value[2], 12.8f);
}

TEST_F(ShipLoaderTest, BuiltInListLoads144ShipsAndEchoes145Lines) {
  load_ship_list(p, c, kShipList);
  EXPECT_FALSE(console::error_pending(c.errors));
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(p.ship_count, 144);
  // 145 echo lines scroll: the last stands on row 23 and the cursor on row 24.
  EXPECT_EQ(row(23), " 145 XXX");
  EXPECT_EQ(row(22).substr(0, 5), " 144 ");
  EXPECT_EQ(c.page.cursor_row(), 24);
  EXPECT_EQ(p.ship_name[145], "XXX");
  for (int i = 1; i <= 144; ++i) EXPECT_FALSE(p.ship_name[i].empty()) << i;
}

TEST_F(ShipLoaderTest, BadNumberItemRaisesError2AndSkipsTheRestOfItsStep) {
  const std::string list =
      "\"Tern\",\"Scout\",\"TP-1111111-000000-00000\",0,100,\"\",1 2,12,0,0,0,0,0,0,0,0,0,0,";
  host.answer_boxes({false});
  EXPECT_THROW(load_ship_list(p, c, list), console::ProgramHalt);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Unhandled Error #2");
  EXPECT_EQ(p.ship_crew[1], 0.0f);
  EXPECT_EQ(p.ship_tl[1], 0.0f);  // skipped: the read after the failed one
  EXPECT_EQ(p.ship_tons[1], 100.0f);
}

}  // namespace
}  // namespace ships
