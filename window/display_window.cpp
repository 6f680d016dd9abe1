#include "window/display_window.h"

#include <GL/glew.h>
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "window/frame.h"
#include "window/box_view.h"
#include "window/exit_handshake.h"
#include "window/frame_placement.h"
#include "window/key_mapping.h"
#include "window/x_keys.h"

namespace window {

constexpr int kPassMilliseconds = 16;

class DisplayWindowState {
 public:
  DisplayWindowState(console::Console& console_, FreeglutHost& host_)
      : console(console_), host(host_) {}

  bool open(int& argc, char** argv);
  [[noreturn]] void finish();

  // freeglut's callbacks.
  void pass();
  void display();
  void reshape(int width, int height);
  void keyboard(unsigned char key);
  void special(int key);
  void mouse(int button, int button_state, int x, int y);
  void close() { console.flags.exit_request.store(true); closed = true; }

  console::Console& console;
  FreeglutHost& host;
  std::thread* program = nullptr;

 private:
  void update_frame();
  void update_box();
  void deliver(const console::KeyEvent& event);
  void draw_quad(GLuint texture, int x, int y, int width, int height);
  void draw_page_and_box();
  bool present_changed_cells();
  void note_changed_cells();

  XKeyReader x_keys;
  FrameRenderer renderer;
  std::uint64_t frame_count = 0;
  int passes = 0;
  int width = kFrameWidth;
  int height = kFrameHeight;
  GLuint page_texture = 0;
  GLuint box_texture = 0;
  std::optional<BoxRequest> box;
  BoxView box_view;
  bool closed = false;
  // The cells redrawn since the window was last shown, as a rectangle of rows and
  // columns (none when dirty_last_column is 0), and whether only they need showing.
  int dirty_top = 0, dirty_bottom = 0, dirty_first_column = 0, dirty_last_column = 0;
  bool whole_window_pending = true;  // a new size, a box come or gone
  int partial_presents = 0;
  using CopySubBuffer = void (*)(Display*, GLXDrawable, int, int, int, int);
  CopySubBuffer copy_sub_buffer = nullptr;
};

namespace {

// The window that freeglut's plain function callbacks act on; there is one.
DisplayWindowState* running = nullptr;

void on_timer(int) { running->pass(); }
void on_display() { running->display(); }
void on_reshape(int w, int h) { running->reshape(w, h); }
void on_keyboard(unsigned char key, int, int) { running->keyboard(key); }
void on_special(int key, int, int) { running->special(key); }
void on_mouse(int button, int state, int x, int y) { running->mouse(button, state, x, y); }
void on_close() { running->close(); }

GLuint make_texture(int width, int height) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_BGRA,
               GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
  return texture;
}

// The Mesa call that shows a rectangle of the back buffer without swapping, or null
// where the display does not offer it.
void (*find_copy_sub_buffer())(Display*, GLXDrawable, int, int, int, int) {
  Display* display = glXGetCurrentDisplay();
  const char* extensions = display ? glXQueryExtensionsString(display, DefaultScreen(display)) : nullptr;
  if (!extensions || !std::strstr(extensions, "GLX_MESA_copy_sub_buffer")) return nullptr;
  return reinterpret_cast<void (*)(Display*, GLXDrawable, int, int, int, int)>(
      glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
}

}  // namespace

bool DisplayWindowState::open(int& argc, char** argv) {
  Display* probe = XOpenDisplay(nullptr);
  if (!probe) {
    const char* name = std::getenv("DISPLAY");
    std::fprintf(stderr, "datacard: cannot open the display \"%s\"\n", name ? name : "");
    return false;
  }
  XCloseDisplay(probe);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE);
  if (!glutGet(GLUT_DISPLAY_MODE_POSSIBLE)) {
    std::fprintf(stderr, "datacard: the display has no usable mode for the window\n");
    return false;
  }
  glutInitWindowSize(kFrameWidth, kFrameHeight);
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  glutCreateWindow("Untitled");
  if (glewInit() != GLEW_OK || !GLEW_VERSION_1_2) {
    std::fprintf(stderr, "datacard: the display has no usable OpenGL for the window\n");
    return false;
  }
  page_texture = make_texture(kFrameWidth, kFrameHeight);
  copy_sub_buffer = find_copy_sub_buffer();
  x_keys.open(glXGetCurrentDrawable());

  running = this;
  glutDisplayFunc(on_display);
  glutReshapeFunc(on_reshape);
  glutKeyboardFunc(on_keyboard);
  glutSpecialFunc(on_special);
  glutMouseFunc(on_mouse);
  glutCloseFunc(on_close);
  update_frame();
  return true;
}

void DisplayWindowState::finish() {
  if (!exit_handshake(console)) {
    std::fflush(nullptr);
    std::_Exit(0);  // the program thread still runs: no destructors under it
  }
  if (program && program->joinable()) program->join();
  std::exit(0);
}

void DisplayWindowState::pass() {
  if (console.flags.exit_request.load()) finish();
  glutTimerFunc(kPassMilliseconds, on_timer, 0);
  if (closed) return;
  x_keys.read([this](const console::KeyEvent& e) {
    if (!box) deliver(e);
  });
  // The box first: a box that just came is then drawn over the page as it stood when
  // the program asked for it.
  if (++passes % 2 == 0) {
    update_box();
    update_frame();
  }
}

void DisplayWindowState::update_frame() {
  // The generation is read before the colours: a change in between shows as a new
  // generation on the next frame, which then redraws everything.
  const std::uint32_t generation = console.page.palette_generation();
  const FramePalette palette = read_frame_palette(console.page);
  renderer.update(console.page.snapshot(), palette, generation, frame_count++);
  if (renderer.redrawn_cells() == 0) return;
  glBindTexture(GL_TEXTURE_2D, page_texture);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, kFrameWidth);
  for (int row = 0; row < console::kPageRows; ++row) {
    const RowSpan span = renderer.redrawn()[row];
    if (span.first == 0) continue;
    const int x = (span.first - 1) * 8;
    const int y = row * 16;
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, x);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, y);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, (span.last - span.first + 1) * 8, 16, GL_BGRA,
                    GL_UNSIGNED_INT_8_8_8_8_REV, renderer.pixels().data());
  }
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  note_changed_cells();
  glutPostRedisplay();
}

void DisplayWindowState::note_changed_cells() {
  for (int row = 1; row <= console::kPageRows; ++row) {
    const RowSpan span = renderer.redrawn()[row - 1];
    if (span.first == 0) continue;
    if (dirty_last_column == 0) {
      dirty_top = dirty_bottom = row;
      dirty_first_column = span.first;
      dirty_last_column = span.last;
      continue;
    }
    dirty_top = std::min(dirty_top, row);
    dirty_bottom = std::max(dirty_bottom, row);
    dirty_first_column = std::min(dirty_first_column, span.first);
    dirty_last_column = std::max(dirty_last_column, span.last);
  }
}

void DisplayWindowState::update_box() {
  std::optional<BoxRequest> wanted = host.shown_box();
  const bool same = wanted.has_value() == box.has_value() && (!box || wanted->id == box->id);
  if (same) return;
  box = wanted;
  if (box) {
    box_view = lay_out_box(box->title, box->text, box->yes_no);
    const std::vector<std::uint32_t> pixels = draw_box(box_view);
    if (box_texture) glDeleteTextures(1, &box_texture);
    box_texture = make_texture(box_view.columns * 8, box_view.rows * 16);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, box_view.columns * 8, box_view.rows * 16, GL_BGRA,
                    GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
  }
  whole_window_pending = true;
  glutPostRedisplay();
}

void DisplayWindowState::draw_quad(GLuint texture, int x, int y, int w, int h) {
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

void DisplayWindowState::draw_page_and_box() {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  const FramePlacement at = place_frame(width, height);
  draw_quad(page_texture, at.left, at.top, kFrameWidth * at.scale,
            kFrameHeight * at.scale);
  if (box) {
    draw_quad(box_texture, at.left + (box_view.left - 1) * 8 * at.scale,
              at.top + (box_view.top - 1) * 16 * at.scale, box_view.columns * 8 * at.scale,
              box_view.rows * 16 * at.scale);
  }
}

// Shows only the rectangle of the cells that changed (a blink of the cursor, a typed
// digit), so that a waiting program does not repaint the whole window four times a
// second. Every 64th time, and whenever anything else changed, the whole window is
// shown instead. Returns false when it showed nothing.
bool DisplayWindowState::present_changed_cells() {
  if (!copy_sub_buffer || whole_window_pending || dirty_last_column == 0 || box) return false;
  if (++partial_presents % 64 == 0) return false;
  const FramePlacement at = place_frame(width, height);
  const int x = at.left + (dirty_first_column - 1) * 8 * at.scale;
  const int y = at.top + (dirty_top - 1) * 16 * at.scale;
  const int w = (dirty_last_column - dirty_first_column + 1) * 8 * at.scale;
  const int h = (dirty_bottom - dirty_top + 1) * 16 * at.scale;
  const int gl_y = height - y - h;  // OpenGL counts rows from the bottom
  glEnable(GL_SCISSOR_TEST);
  glScissor(x, gl_y, w, h);
  draw_page_and_box();
  glDisable(GL_SCISSOR_TEST);
  copy_sub_buffer(glXGetCurrentDisplay(), glXGetCurrentDrawable(), x, gl_y, w, h);
  return true;
}

void DisplayWindowState::display() {
  const bool partial = present_changed_cells();
  dirty_last_column = 0;
  if (partial) return;
  whole_window_pending = false;
  glViewport(0, 0, width, height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  draw_page_and_box();
  glutSwapBuffers();
}

void DisplayWindowState::reshape(int w, int h) {
  width = w;
  height = h;
  whole_window_pending = true;
  glutPostRedisplay();
}

void DisplayWindowState::deliver(const console::KeyEvent& event) {
  console::key_down_handler(event, console.keys, console.flags);
}

void DisplayWindowState::keyboard(unsigned char key) {
  const int modifiers = glutGetModifiers();
  x_keys.read([this](const console::KeyEvent& e) {
    if (!box) deliver(e);
  });
  if (box) {
    if (const auto yes = answer_for_key(key, box->yes_no)) host.answer_box(box->id, *yes);
    return;
  }
  const auto event =
      key_event_for_character(key, modifiers, [this](unsigned long keysym) { return x_keys.held(keysym); });
  if (event) deliver(*event);
}

void DisplayWindowState::special(int key) {
  const auto event = key_event_for_special(key, glutGetModifiers());
  if (!event) return;
  const bool alt_f4 = event->special == console::SpecialKey::F4 && event->alt;
  if (box && !alt_f4) return;
  deliver(*event);
}

void DisplayWindowState::mouse(int button, int button_state, int x, int y) {
  if (!box || button != GLUT_LEFT_BUTTON || button_state != GLUT_DOWN) return;
  const FramePlacement at = place_frame(width, height);
  const int frame_x = (x - at.left) / at.scale;
  const int frame_y = (y - at.top) / at.scale;
  if (x < at.left || y < at.top) return;
  if (const auto yes = button_at(box_view, frame_y / 16 + 1, frame_x / 8 + 1)) {
    host.answer_box(box->id, *yes);
  }
}

DisplayWindow::DisplayWindow(console::Console& console, FreeglutHost& host)
    : state_(new DisplayWindowState(console, host)) {}

DisplayWindow::~DisplayWindow() { delete state_; }

bool DisplayWindow::open(int& argc, char** argv) { return state_->open(argc, argv); }

void DisplayWindow::run(std::thread& program) {
  state_->program = &program;
  glutTimerFunc(kPassMilliseconds, on_timer, 0);
  glutMainLoop();
  // The window was closed: the close callback set the exit request.
  state_->finish();
}

}  // namespace window
