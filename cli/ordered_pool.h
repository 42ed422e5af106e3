// Work in numbered chunks on several threads, read and written in their order: the reader
// fills slot after slot, any free worker takes the next filled one, and one writer drains
// them in turn. A fixed ring of slots is the queue, so memory does not grow with the input.
#pragma once

#include <cstddef>
#include <functional>

namespace quendal::cli {

struct OrderedPoolSteps {
  // On the calling thread; false once the input is done (that slot stays unused).
  std::function<bool(std::size_t slot)> fill;
  // On a worker; chunks are independent, so workers never wait for each other.
  std::function<void(std::size_t slot)> work;
  // On the one writer, in input order; false stops the whole run (a closed pipe).
  std::function<bool(std::size_t slot)> drain;
};

// Slots are 0 .. slots - 1. One job runs all three steps in turn on the calling thread.
void RunOrderedPool(int jobs, std::size_t slots, const OrderedPoolSteps& steps);

// Threads a batch takes when not told: the cores this process may run on.
int DefaultJobs();

}  // namespace quendal::cli
