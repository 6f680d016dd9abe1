// The text console the program runs on: the text page, the key queue, the numbered
// files, the pending error, the flags shared with the window and display threads, and
// the host that shows boxes and lets time pass.
#pragma once

#include <atomic>

#include "console/file_table.h"
#include "console/host.h"
#include "console/key_queue.h"
#include "console/runtime_error.h"
#include "console/text_page.h"

namespace console {

// Flags shared between the threads without locks; each is written by one side.
struct ConsoleFlags {
  std::atomic<bool> pause{false};         // Pause key; cleared by the next key-down
  std::atomic<bool> exit_request{false};  // close button, Alt+F4, Ctrl+Break, No, the end
  std::atomic<bool> stop{false};          // set by the display thread when the exit begins
  std::atomic<bool> program_stopped{false};  // the program thread's acknowledgement
};

struct Console {
  explicit Console(ConsoleHost& host_) : host(host_) {}
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  ConsoleHost& host;
  TextPage page;
  KeyQueue keys;
  ConsoleFlags flags;
  ErrorState errors;
  FileTable files;
};

}  // namespace console
