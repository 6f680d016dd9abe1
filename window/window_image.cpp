#include "window/window_image.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace e2e {

std::optional<RgbImage> read_window_image(const VirtualDisplay& display, ProgramRun& run) {
  const unsigned long window = run.find_window();
  if (!window) return std::nullopt;
  Display* x = display.connection();
  XWindowAttributes a;
  if (!XGetWindowAttributes(x, window, &a)) return std::nullopt;
  XImage* image = XGetImage(x, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!image) return std::nullopt;
  RgbImage picture{a.width, a.height, {}};
  picture.pixels.reserve(static_cast<std::size_t>(a.width) * a.height);
  for (int y = 0; y < a.height; ++y) {
    for (int px = 0; px < a.width; ++px) {
      picture.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, px, y) & 0xFFFFFF));
    }
  }
  XDestroyImage(image);
  return picture;
}

}  // namespace e2e
