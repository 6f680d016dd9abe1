#include "window/display_loop.h"

#include <cstdio>
#include <cstdlib>

#include "window/exit_handshake.h"

namespace window {

namespace {

// The least time between two frames drawn for changes of the page.
constexpr std::chrono::milliseconds kFrameSpacing{16};

}  // namespace

DisplayLoop::DisplayLoop(console::Console& console, WindowHost& host) : console_(console), host_(host) {
  console_.attach_display(bell_);
  host_.attach(console_);
}

bool DisplayLoop::open(int& argc, char** argv) {
  if (!platform_.open(argc, argv, [this] { finish(1); })) return false;
  return renderer_.open(platform_.display());
}

void DisplayLoop::run(std::thread& program) {
  program_ = &program;
  for (;;) {
    for (const WindowEvent& event : platform_.take_events()) handle(event);
    if (console_.flags.exit_request.load()) finish(0);
    const Clock::time_point now = Clock::now();
    const bool box_changed = update_box();
    update_frame(now, box_changed);
    while (renderer_.wants_present()) renderer_.present(frame_);
    if (platform_.sleep(bell_.fd(), sleep_limit(now)) && bell_.clear()) bell_rang_ = true;
  }
}

void DisplayLoop::handle(const WindowEvent& event) {
  switch (event.kind) {
    case WindowEvent::Kind::Key: key(event); break;
    case WindowEvent::Kind::Click: click(event.x, event.y); break;
    case WindowEvent::Kind::Resize: renderer_.resize(event.x, event.y); break;
    case WindowEvent::Kind::Uncovered: renderer_.expose(); break;
    case WindowEvent::Kind::Close:
    case WindowEvent::Kind::Destroyed:
      platform_.forget_window();
      console_.flags.exit_request.store(true);
      break;
  }
}

void DisplayLoop::key(const WindowEvent& event) {
  if (box_) {
    if (event.typed != 0) {
      if (const auto yes = answer_for_key(event.typed, box_->yes_no)) {
        answer_box(*yes);
        return;
      }
    }
    if (!event.key || !console::is_exit_key(*event.key)) return;
  }
  if (event.key) console::key_down_handler(*event.key, console_.keys, console_.flags);
}

void DisplayLoop::click(int x, int y) {
  if (!box_ || !box_view_) return;
  const auto cell = renderer_.cell_at(x, y);
  if (!cell) return;
  if (const auto yes = button_at(*box_view_, cell->first, cell->second)) answer_box(*yes);
}

// The answered box goes at once, so the keys that come after its answer in the same
// batch of events reach the queue instead of being taken for the box.
void DisplayLoop::answer_box(bool yes) {
  host_.answer_box(box_->id, yes);
  update_box();
}

// The box first, then the frame (update_frame), which takes the page at once when a
// box came: a box that just came is drawn over the page as it stood when the program
// asked for it, not over a frame drawn a moment before. Returns whether the box
// changed.
bool DisplayLoop::update_box() {
  std::optional<BoxRequest> wanted = host_.shown_box();
  const bool same = wanted.has_value() == box_.has_value() && (!box_ || wanted->id == box_->id);
  if (same) return false;
  box_ = std::move(wanted);
  box_view_.reset();
  if (box_) box_view_ = lay_out_box(box_->title, box_->text, box_->yes_no);
  renderer_.show_box(box_view_);
  return true;
}

// A new frame when the page changed (at most every kFrameSpacing, and at once when the
// box changed) or the blink phase toggled while something blinks. The changes are
// taken before the page is read, so a change made while it is read rings the bell
// again.
void DisplayLoop::update_frame(Clock::time_point now, bool box_changed) {
  const bool phase = blink_phase_at(std::chrono::duration_cast<std::chrono::milliseconds>(now - start_));
  const bool blink_due = frame_.blinks() && phase != drawn_phase_;
  const bool page_due = !drawn_once_ || blink_due || box_changed || now - last_frame_ >= kFrameSpacing;
  const bool changed = page_due && console_.page.take_changes();
  if (page_due) bell_rang_ = false;
  if (!changed && !blink_due && drawn_once_) return;
  if (changed) last_frame_ = now;
  // The generation is read before the colours: a change in between shows as a new
  // generation on the next frame, which then redraws everything.
  const std::uint32_t generation = console_.page.palette_generation();
  const FramePalette palette = read_frame_palette(console_.page);
  frame_.update(console_.page.shown(), palette, generation, phase);
  drawn_phase_ = phase;
  drawn_once_ = true;
  renderer_.take_changes(frame_);
}

std::optional<std::chrono::milliseconds> DisplayLoop::sleep_limit(Clock::time_point now) const {
  using std::chrono::milliseconds;
  std::optional<milliseconds> limit;
  if (frame_.blinks()) {
    const auto since_start = std::chrono::duration_cast<milliseconds>(now - start_);
    limit = kBlinkPhase - since_start % kBlinkPhase + milliseconds(1);
  }
  if (bell_rang_) {
    const auto wait = std::chrono::ceil<milliseconds>(last_frame_ + kFrameSpacing - now);
    limit = std::min(limit.value_or(wait), std::max(wait, milliseconds(0)));
  }
  return limit;
}

void DisplayLoop::finish(int exit_code) {
  // No destructors: the program thread may still run, and the window may be gone. A
  // program thread that did not acknowledge may hold a file's lock (in a read), so
  // nothing is flushed then: its output is unbuffered anyway.
  if (exit_handshake(console_)) {
    if (program_ && program_->joinable()) program_->join();
    std::fflush(nullptr);
  }
  std::_Exit(exit_code);
}

}  // namespace window
