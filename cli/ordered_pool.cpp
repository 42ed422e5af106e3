#include "cli/ordered_pool.h"

#include <sched.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace quendal::cli {
namespace {

// Sequence numbers, not slot states: chunk n lives in slot n % slots, and the three counters
// say how far each side has come.
class Ring {
 public:
  Ring(std::size_t slots, const OrderedPoolSteps& steps) : slots_(slots), steps_(steps) {
    done_.assign(slots, false);
  }

  void Read() {
    for (std::size_t n = 0;; ++n) {
      {
        std::unique_lock lock(mutex_);
        free_slot_.wait(lock, [&] { return stopped_ || n < drained_ + slots_; });
        if (stopped_) break;
      }
      // Slot n % slots is ours alone until it is published below.
      const bool more = steps_.fill(n % slots_);
      std::lock_guard lock(mutex_);
      if (!more) {
        input_ended_ = true;
        filled_or_ended_.notify_all();
        worked_.notify_all();  // the writer may be waiting for a chunk that will never come
        break;
      }
      filled_ = n + 1;
      filled_or_ended_.notify_one();
    }
  }

  void EndInput() {
    std::lock_guard lock(mutex_);
    input_ended_ = true;
    filled_or_ended_.notify_all();
    worked_.notify_all();
  }

  void Work() {
    for (;;) {
      std::size_t n;
      {
        std::unique_lock lock(mutex_);
        filled_or_ended_.wait(lock, [&] { return stopped_ || taken_ < filled_ || input_ended_; });
        if (stopped_ || taken_ == filled_) return;
        n = taken_++;
      }
      steps_.work(n % slots_);
      std::lock_guard lock(mutex_);
      done_[n % slots_] = true;
      worked_.notify_all();
    }
  }

  void Write() {
    for (std::size_t n = 0;; ++n) {
      {
        std::unique_lock lock(mutex_);
        worked_.wait(lock, [&] { return done_[n % slots_] || (input_ended_ && n == filled_); });
        if (!done_[n % slots_]) return;
      }
      const bool go_on = steps_.drain(n % slots_);
      std::lock_guard lock(mutex_);
      done_[n % slots_] = false;
      drained_ = n + 1;
      if (!go_on) {
        stopped_ = true;
        filled_or_ended_.notify_all();
        free_slot_.notify_all();
        worked_.notify_all();
        return;
      }
      free_slot_.notify_one();
    }
  }

 private:
  const std::size_t slots_;
  const OrderedPoolSteps& steps_;
  std::mutex mutex_;
  std::condition_variable free_slot_;
  std::condition_variable filled_or_ended_;
  std::condition_variable worked_;
  std::vector<bool> done_;
  std::size_t filled_ = 0;
  std::size_t taken_ = 0;
  std::size_t drained_ = 0;
  bool input_ended_ = false;
  bool stopped_ = false;
};

void RunInTurn(const OrderedPoolSteps& steps) {
  while (steps.fill(0)) {
    steps.work(0);
    if (!steps.drain(0)) return;
  }
}

}  // namespace

void RunOrderedPool(int jobs, std::size_t slots, const OrderedPoolSteps& steps) {
  if (jobs <= 1) return RunInTurn(steps);
  // Two threads at least, or none: under a tight memory limit a thread's stack may not fit,
  // and the run then goes on in this one thread.
  std::vector<std::thread> threads;
  auto ring = std::make_unique<Ring>(slots, steps);
  try {
    threads.emplace_back([&] { ring->Write(); });
    threads.emplace_back([&] { ring->Work(); });
  } catch (const std::system_error&) {
    ring->EndInput();  // nothing filled, so the threads that did start end at once
    for (std::thread& thread : threads) thread.join();
    return RunInTurn(steps);
  }
  for (int i = 1; i < jobs; ++i) {
    try {
      threads.emplace_back([&] { ring->Work(); });
    } catch (const std::system_error&) {
      break;
    }
  }
  ring->Read();
  for (std::thread& thread : threads) thread.join();
}

int DefaultJobs() {
  cpu_set_t cpus;
  if (sched_getaffinity(0, sizeof cpus, &cpus) == 0) return CPU_COUNT(&cpus);
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 0 ? static_cast<int>(cores) : 1;
}

}  // namespace quendal::cli
