// Where the 640 x 400 frame sits in a window of any size, the border black. A window
// that holds the frame whole shows it scaled by the largest whole factor that fits,
// centred, so pixels stay square and sharp. A smaller window (narrower than 640 or
// lower than 400, down to 1 x 1) shows the whole frame scaled down to fit, keeping its
// shape, centred: nothing of the page is cut off. The window draws by this rule and
// the end-to-end tests read the window back by it.
#pragma once

#include <algorithm>

namespace window {

struct FramePlacement {
  int left = 0;  // window pixel of the frame's left edge
  int top = 0;
  int width = 640;  // the frame's size in the window
  int height = 400;

  // The whole scale factor, or 0 when the frame is scaled down.
  int scale() const { return width / 640; }
};

inline FramePlacement place_frame(int window_width, int window_height) {
  const int w = std::max(window_width, 1);
  const int h = std::max(window_height, 1);
  FramePlacement p;
  if (w >= 640 && h >= 400) {
    const int scale = std::min(w / 640, h / 400);
    p.width = 640 * scale;
    p.height = 400 * scale;
  } else if (w * 400 <= h * 640) {  // the width decides
    p.width = w;
    p.height = std::max(1, (w * 400 + 320) / 640);
  } else {
    p.height = h;
    p.width = std::max(1, (h * 640 + 200) / 400);
  }
  p.width = std::min(p.width, w);
  p.height = std::min(p.height, h);
  p.left = (w - p.width) / 2;
  p.top = (h - p.height) / 2;
  return p;
}

// The frame pixel under window pixel (x, y), or false outside the frame.
inline bool frame_pixel_at(const FramePlacement& at, int x, int y, int& frame_x, int& frame_y) {
  if (x < at.left || y < at.top || x >= at.left + at.width || y >= at.top + at.height) return false;
  frame_x = (x - at.left) * 640 / at.width;
  frame_y = (y - at.top) * 400 / at.height;
  return true;
}

}  // namespace window
