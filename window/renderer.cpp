#include "window/renderer.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

#include "window/failure_line.h"

namespace window {

namespace {

// Nearest texels when the frame is shown larger, so pixels stay sharp; a blend of
// texels when it is shown smaller, so thin lines do not vanish.
GLuint make_texture(int width, int height) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_BGRA,
               GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
  return texture;
}

// Whether the frame's 0xAARRGGBB pixels are the window's own pixel values (the alpha
// byte unused): a true-colour visual of 24 bits with red, green and blue bytes.
bool plain_colour_window(const XWindowAttributes& a) {
  return a.visual && a.visual->c_class == TrueColor && (a.depth == 24 || a.depth == 32) &&
         a.visual->red_mask == 0xFF0000 && a.visual->green_mask == 0xFF00 && a.visual->blue_mask == 0xFF;
}

void draw_quad(GLuint texture, int x, int y, int w, int h) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2i(x, y);
  glTexCoord2f(1, 0);
  glVertex2i(x + w, y);
  glTexCoord2f(1, 1);
  glVertex2i(x + w, y + h);
  glTexCoord2f(0, 1);
  glVertex2i(x, y + h);
  glEnd();
}

}  // namespace

bool Renderer::open(Display* display) {
  if (glewInit() != GLEW_OK || !GLEW_VERSION_1_2) {
    write_failure_line("datacard: the display has no usable OpenGL for the window\n");
    return false;
  }
  display_ = display;
  window_ = glXGetCurrentDrawable();
  page_texture_ = make_texture(kFrameWidth, kFrameHeight);
  XWindowAttributes a;
  // The image's bytes go as this machine holds them: little-endian, as the server.
  if (XGetWindowAttributes(display_, window_, &a) && plain_colour_window(a) &&
      ImageByteOrder(display_) == LSBFirst) {
    visual_ = a.visual;
    depth_ = a.depth;
    gc_ = XCreateGC(display_, window_, 0, nullptr);
  }
  // Xlib sends a larger image as several requests, of at most 256 KB of pixels each,
  // and another client may read the window between them.
  constexpr long kPutImageHeader = 24;
  one_request_bytes_ = std::min<long>(65536, XMaxRequestSize(display_)) * 4 - kPutImageHeader;
  return true;
}

void Renderer::resize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  whole_presents_ = 2;
}

void Renderer::take_changes(const FrameRenderer& frame) {
  for (int row = 1; row <= console::kPageRows; ++row) {
    const RowSpan span = frame.redrawn()[row - 1];
    if (span.first == 0) continue;
    RowSpan& stale = stale_[row - 1];
    stale.first = stale.first == 0 ? span.first : std::min(stale.first, span.first);
    stale.last = std::max(stale.last, span.last);
    if (dirty_.last_column == 0) {
      dirty_ = CellRectangle{row, row, span.first, span.last};
      continue;
    }
    dirty_.top = std::min(dirty_.top, row);
    dirty_.bottom = std::max(dirty_.bottom, row);
    dirty_.first_column = std::min(dirty_.first_column, span.first);
    dirty_.last_column = std::max(dirty_.last_column, span.last);
  }
}

void Renderer::upload_stale_rows(const FrameRenderer& frame) {
  glBindTexture(GL_TEXTURE_2D, page_texture_);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, kFrameWidth);
  for (int row = 0; row < console::kPageRows; ++row) {
    const RowSpan span = std::exchange(stale_[row], RowSpan{});
    if (span.first == 0) continue;
    const int x = (span.first - 1) * 8;
    const int y = row * 16;
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, x);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, y);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, (span.last - span.first + 1) * 8, 16, GL_BGRA,
                    GL_UNSIGNED_INT_8_8_8_8_REV, frame.pixels().data());
  }
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

void Renderer::show_box(std::optional<BoxView> box) {
  box_ = std::move(box);
  if (box_) {
    const std::vector<std::uint32_t> pixels = draw_box(*box_);
    if (box_texture_) glDeleteTextures(1, &box_texture_);
    box_texture_ = make_texture(box_->columns * 8, box_->rows * 16);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, box_->columns * 8, box_->rows * 16, GL_BGRA,
                    GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
  }
  whole_presents_ = std::max(whole_presents_, 1);
}

void Renderer::present(const FrameRenderer& frame) {
  if (!present_changed_cells(frame)) present_whole(frame);
  dirty_ = CellRectangle{};
}

void Renderer::draw_page_and_box() {
  glViewport(0, 0, width_, height_);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width_, height_, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  const FramePlacement at = place_frame(width_, height_);
  draw_quad(page_texture_, at.left, at.top, at.width, at.height);
  if (box_) {
    draw_quad(box_texture_, at.left + (box_->left - 1) * 8 * at.width / kFrameWidth,
              at.top + (box_->top - 1) * 16 * at.height / kFrameHeight,
              box_->columns * 8 * at.width / kFrameWidth, box_->rows * 16 * at.height / kFrameHeight);
  }
}

// Shows only the rectangle of the cells that changed, from the pixel frame, scaled by
// whole factors, when its image goes to the server in one request: so the window never
// shows a frame in part. Returns false when the whole window must be shown instead
// (through GL, whose picture a software driver hands over in one shared-memory
// request where the server offers that).
bool Renderer::present_changed_cells(const FrameRenderer& frame) {
  const FramePlacement at = place_frame(width_, height_);
  const int scale = at.scale();
  if (!gc_ || whole_presents_ > 0 || dirty_.last_column == 0 || box_ || scale == 0) return false;
  const int frame_x = (dirty_.first_column - 1) * 8;
  const int frame_y = (dirty_.top - 1) * 16;
  const int w = (dirty_.last_column - dirty_.first_column + 1) * 8;
  const int h = (dirty_.bottom - dirty_.top + 1) * 16;
  if (static_cast<long>(w) * scale * h * scale * 4 > one_request_bytes_) return false;
  cells_image_.resize(static_cast<std::size_t>(w) * scale * h * scale);
  for (int y = 0; y < h * scale; ++y) {
    const std::uint32_t* source = frame.pixels().data() + (frame_y + y / scale) * kFrameWidth + frame_x;
    std::uint32_t* line = cells_image_.data() + static_cast<std::size_t>(y) * w * scale;
    for (int x = 0; x < w * scale; ++x) line[x] = source[x / scale];
  }
  XImage* image = XCreateImage(display_, visual_, depth_, ZPixmap, 0, reinterpret_cast<char*>(cells_image_.data()),
                               w * scale, h * scale, 32, 0);
  if (!image) return false;
  XPutImage(display_, window_, gc_, image, 0, 0, at.left + frame_x * scale, at.top + frame_y * scale,
            w * scale, h * scale);
  image->data = nullptr;  // the pixels belong to cells_image_
  XDestroyImage(image);
  return true;
}

void Renderer::present_whole(const FrameRenderer& frame) {
  upload_stale_rows(frame);
  glViewport(0, 0, width_, height_);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  draw_page_and_box();
  glutSwapBuffers();
  whole_presents_ = std::max(whole_presents_ - 1, 0);
}

std::optional<std::pair<int, int>> Renderer::cell_at(int x, int y) const {
  int frame_x = 0, frame_y = 0;
  if (!frame_pixel_at(place_frame(width_, height_), x, y, frame_x, frame_y)) return std::nullopt;
  return std::pair{frame_y / 16 + 1, frame_x / 8 + 1};
}

}  // namespace window
