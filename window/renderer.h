// The renderer of the window: the page's pixel frame as a GL texture drawn as one
// quad where frame_placement.h puts it, the error box as a second quad over it, and
// the presenting of what changed. While the frame is shown at a whole scale and no box
// is up, a change of cells (the blinking cursor, a typed digit, a new line) is put
// into the window straight from the pixel frame, as an X image of just their
// rectangle: under a software GL renderer every GL present waits for the X server to
// take the picture, a second wake-up at every blink. Everything else (a resize, an
// expose, a box, a frame scaled down, a change too large for one X request) shows the
// whole window through GL, from the texture, which takes the cells changed since it
// was last drawn just before.
//
// After a resize the next two presents show the whole window: a software renderer
// learns the window's new size only at the swap after it, so the first frame drawn
// for a new size may be drawn for the old one. After an expose the next present shows
// the whole window.
//
// REQUIRES: every call on the thread whose GL context is current (the window thread).
#pragma once

#include <GL/glew.h>

#include <X11/Xlib.h>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "window/box_view.h"
#include "window/frame.h"
#include "window/frame_placement.h"

namespace window {

class Renderer {
 public:
  // The textures and the partial present, once the window's context is current.
  // Writes one line to standard error and returns false without a usable OpenGL.
  bool open(_XDisplay* display);

  void resize(int width, int height);
  void expose() { whole_presents_ = std::max(whole_presents_, 1); }

  // Notes the cells the frame redrew last, to be shown and taken into the texture.
  void take_changes(const FrameRenderer& frame);
  // Shows the box over the page, or takes it away.
  void show_box(std::optional<BoxView> box);

  bool wants_present() const { return whole_presents_ > 0 || dirty_.last_column != 0; }
  // REQUIRES: `frame` is the frame whose changes were taken last.
  void present(const FrameRenderer& frame);

  // The page cell (row, column) under window pixel (x, y), if the frame is there.
  std::optional<std::pair<int, int>> cell_at(int x, int y) const;

 private:
  struct CellRectangle {
    int top = 0, bottom = 0, first_column = 0, last_column = 0;  // none: last_column 0
  };
  void upload_stale_rows(const FrameRenderer& frame);
  bool present_changed_cells(const FrameRenderer& frame);
  void present_whole(const FrameRenderer& frame);
  void draw_page_and_box();

  _XDisplay* display_ = nullptr;
  unsigned long window_ = 0;
  _XGC* gc_ = nullptr;          // none: the window's visual is not plain 24-bit colour
  Visual* visual_ = nullptr;
  int depth_ = 0;
  long one_request_bytes_ = 0;  // the largest image of changed cells put in one request
  std::vector<std::uint32_t> cells_image_;  // the changed rectangle, scaled
  GLuint page_texture_ = 0;
  GLuint box_texture_ = 0;
  std::optional<BoxView> box_;
  int width_ = kFrameWidth;
  int height_ = kFrameHeight;
  int whole_presents_ = 1;
  CellRectangle dirty_;                           // to show
  std::array<RowSpan, console::kPageRows> stale_{};  // to take into the texture
};

}  // namespace window
