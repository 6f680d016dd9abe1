// The pixels of the program's window as the X server holds them, read for pictures of
// the window (the end-to-end harness itself reads them only to decode the text).
#pragma once

#include <optional>

#include "window/e2e_harness.h"
#include "window/png_file.h"

namespace e2e {

// What the window of `run` shows now, or nothing while it has no window (or the window
// cannot be read).
std::optional<RgbImage> read_window_image(ProgramRun& run);

}  // namespace e2e
