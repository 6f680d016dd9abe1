// The renderer of the window: the page's pixel frame as a GL texture drawn as one
// quad where frame_placement.h puts it, the error box as a second quad over it, and
// the presenting of what changed. Where the display offers GLX_MESA_copy_sub_buffer
// and the frame is shown at a whole scale, a change of a few cells (the blinking
// cursor, a typed digit) shows only their rectangle; everything else shows the whole
// window.
//
// After a resize the next two presents show the whole window: a software renderer
// learns the window's new size only at the swap after it, so the first frame drawn
// for a new size may be drawn for the old one. After an expose the next present shows
// the whole window.
//
// REQUIRES: every call on the thread whose GL context is current (the window thread).
#pragma once

#include <GL/glew.h>

#include <optional>
#include <utility>

#include "window/box_view.h"
#include "window/frame.h"
#include "window/frame_placement.h"

struct _XDisplay;

namespace window {

class Renderer {
 public:
  // The textures and the partial present, once the window's context is current.
  // Writes one line to standard error and returns false without a usable OpenGL.
  bool open(_XDisplay* display);

  void resize(int width, int height);
  void expose() { whole_presents_ = std::max(whole_presents_, 1); }

  // Takes the cells the frame redrew last into the page texture.
  void upload(const FrameRenderer& frame);
  // Shows the box over the page, or takes it away.
  void show_box(std::optional<BoxView> box);

  bool wants_present() const { return whole_presents_ > 0 || dirty_.last_column != 0; }
  void present();

  // The page cell (row, column) under window pixel (x, y), if the frame is there.
  std::optional<std::pair<int, int>> cell_at(int x, int y) const;

 private:
  struct CellRectangle {
    int top = 0, bottom = 0, first_column = 0, last_column = 0;  // none: last_column 0
  };
  void note_redrawn(const FrameRenderer& frame);
  bool present_changed_cells();
  void present_whole();
  void draw_page_and_box();

  _XDisplay* display_ = nullptr;
  GLuint page_texture_ = 0;
  GLuint box_texture_ = 0;
  std::optional<BoxView> box_;
  int width_ = kFrameWidth;
  int height_ = kFrameHeight;
  int whole_presents_ = 1;
  CellRectangle dirty_;
  using CopySubBuffer = void (*)(_XDisplay*, unsigned long, int, int, int, int);
  CopySubBuffer copy_sub_buffer_ = nullptr;
};

}  // namespace window
