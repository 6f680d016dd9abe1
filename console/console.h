// The text console the program runs on: the text page, the key queue, the numbered
// files, the pending error, the flags shared with the window and display threads, and
// the host that shows boxes and lets time pass.
//
// Nobody polls the flags: whoever changes one (or queues a key) notifies `wakeup`, on
// which the program thread's waits and the exit handshake sleep, and the program
// thread rings the display's bell when the page changes or it asks for the exit.
#pragma once

#include <atomic>

#include "console/display_bell.h"
#include "console/file_table.h"
#include "console/host.h"
#include "console/key_queue.h"
#include "console/runtime_error.h"
#include "console/text_page.h"
#include "console/wakeup.h"

namespace console {

// Flags shared between the threads without locks; each is written by one side, which
// then notifies `wakeup`.
struct ConsoleFlags {
  std::atomic<bool> pause{false};         // Pause key; cleared by the next key-down
  std::atomic<bool> exit_request{false};  // close button, Alt+F4, Ctrl+Break, No, the end
  std::atomic<bool> stop{false};          // set by the display thread when the exit begins
  std::atomic<bool> program_stopped{false};  // the program thread's acknowledgement
  Wakeup wakeup;  // a key queued, a flag changed, a box answered
};

struct Console {
  explicit Console(ConsoleHost& host_) : host(host_) {}
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // The display's bell, rung by the page and by the exit request. REQUIRES: called
  // before the program thread starts; `bell` outlives the console's use.
  void attach_display(DisplayBell& bell) {
    display = &bell;
    page.set_bell(&bell);
  }

  ConsoleHost& host;
  DisplayBell* display = nullptr;  // none without a window
  TextPage page;
  KeyQueue keys;
  ConsoleFlags flags;
  ErrorState errors;
  FileTable files;
};

}  // namespace console
