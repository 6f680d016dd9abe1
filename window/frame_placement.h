// Where the 640 x 400 frame sits in a window of any size: scaled by the largest whole
// factor that fits (at least 1), centred, the border black. The window draws by this
// rule and the end-to-end tests read the window back by it.
#pragma once

#include <algorithm>

namespace window {

struct FramePlacement {
  int scale = 1;
  int left = 0;  // window pixel of the frame's left edge (negative when cut)
  int top = 0;
};

inline FramePlacement place_frame(int window_width, int window_height) {
  FramePlacement p;
  p.scale = std::max(1, std::min(window_width / 640, window_height / 400));
  p.left = (window_width - 640 * p.scale) / 2;
  p.top = (window_height - 400 * p.scale) / 2;
  return p;
}

}  // namespace window
