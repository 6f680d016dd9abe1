// The key queue: keystrokes from the window thread to the program thread.
//
// The queue is a ring of 16 slots holding at most 15 keystrokes, with one producer
// (the window thread) and one consumer (the program thread) and no lock: the write
// position moves only after its slot is filled, the read position only after its
// slot is read.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace console {

struct Keystroke {
  std::uint8_t character = 0;
  std::uint8_t scan = 0;
};

class KeyQueue {
 public:
  static constexpr int kSlots = 16;

  // Producer side. Returns false (and drops the keystroke) when the queue is full.
  bool push(Keystroke key);
  // Consumer side. Returns false when the queue is empty.
  bool pop(Keystroke& key);
  bool empty() const;

 private:
  std::array<std::atomic<std::uint16_t>, kSlots> slots_{};
  std::atomic<int> read_{0};
  std::atomic<int> write_{0};
};

}  // namespace console
