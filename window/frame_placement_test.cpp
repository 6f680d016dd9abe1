#include "window/frame_placement.h"

#include <gtest/gtest.h>

namespace window {
namespace {

TEST(FramePlacement, WholeScalesWhereTheFrameFitsAndScaledDownToFitWhereItDoesNot) {
  struct Case {
    int window_width, window_height;
    int left, top, width, height;
  } cases[] = {
      {640, 400, 0, 0, 640, 400},        {1300, 820, 10, 10, 1280, 800},
      {1920, 1200, 0, 0, 1920, 1200},    {1000, 900, 180, 250, 640, 400},
      {320, 200, 0, 0, 320, 200},        {1, 1, 0, 0, 1, 1},
      {640, 1, 319, 0, 2, 1},            {1, 400, 0, 199, 1, 1},
      {800, 300, 160, 0, 480, 300},      {639, 1000, 0, 300, 639, 399},
  };
  for (const auto& c : cases) {
    const FramePlacement at = place_frame(c.window_width, c.window_height);
    EXPECT_EQ(at.left, c.left) << c.window_width << "x" << c.window_height;
    EXPECT_EQ(at.top, c.top) << c.window_width << "x" << c.window_height;
    EXPECT_EQ(at.width, c.width) << c.window_width << "x" << c.window_height;
    EXPECT_EQ(at.height, c.height) << c.window_width << "x" << c.window_height;
  }
}

TEST(FramePlacement, AWindowPixelGivesTheFramePixelUnderIt) {
  int x = 0, y = 0;
  const FramePlacement scaled = place_frame(1300, 820);  // scale 2 from (10, 10)
  ASSERT_TRUE(frame_pixel_at(scaled, 10, 10, x, y));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  ASSERT_TRUE(frame_pixel_at(scaled, 1289, 809, x, y));
  EXPECT_EQ(x, 639);
  EXPECT_EQ(y, 399);
  EXPECT_FALSE(frame_pixel_at(scaled, 9, 100, x, y));
  EXPECT_FALSE(frame_pixel_at(scaled, 1290, 100, x, y));
  const FramePlacement half = place_frame(320, 200);
  ASSERT_TRUE(frame_pixel_at(half, 161, 99, x, y));
  EXPECT_EQ(x, 322);
  EXPECT_EQ(y, 198);
}

}  // namespace
}  // namespace window
