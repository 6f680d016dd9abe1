// How one thread sleeps until another has changed what it waits for: a condition
// variable with its lock. The changing side first changes an atomic value (a key put
// into the queue, a flag set, a box answered) and then calls `notify`; the waiting
// side names what it waits for as a test of those values. The test is made under the
// lock and `notify` takes the lock, so a change that comes between the test and the
// sleep still wakes the sleeper: no change is lost, and nobody looks again on a timer.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace console {

class Wakeup {
 public:
  // Any thread, after the change.
  void notify();

  // Sleeps until `ready` holds; returns at once when it already does.
  void wait_until(const std::function<bool()>& ready);

  // The same, giving up after `limit`. Returns whether `ready` holds.
  bool wait_until(const std::function<bool()>& ready, std::chrono::milliseconds limit);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
};

}  // namespace console
