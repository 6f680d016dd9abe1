#include "window/window_image.h"

namespace e2e {

std::optional<RgbImage> read_window_image(ProgramRun& run) {
  RgbImage picture;
  if (!run.read_pixels(picture.pixels, picture.width, picture.height)) return std::nullopt;
  return picture;
}

}  // namespace e2e
