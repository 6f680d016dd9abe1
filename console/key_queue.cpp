#include "console/key_queue.h"

#include "console/console.h"

namespace console {

bool KeyQueue::push(Keystroke key) {
  const int write = write_.load(std::memory_order_relaxed);
  const int next = (write + 1) % kSlots;
  if (next == read_.load(std::memory_order_acquire)) return false;
  slots_[write].store(static_cast<std::uint16_t>(key.character | (key.scan << 8)),
                      std::memory_order_relaxed);
  write_.store(next, std::memory_order_release);
  return true;
}

bool KeyQueue::pop(Keystroke& key) {
  const int read = read_.load(std::memory_order_relaxed);
  if (read == write_.load(std::memory_order_acquire)) return false;
  const std::uint16_t v = slots_[read].load(std::memory_order_relaxed);
  key.character = static_cast<std::uint8_t>(v & 0xFF);
  key.scan = static_cast<std::uint8_t>(v >> 8);
  read_.store((read + 1) % kSlots, std::memory_order_release);
  return true;
}

bool KeyQueue::empty() const {
  return read_.load(std::memory_order_acquire) == write_.load(std::memory_order_acquire);
}

}  // namespace console
