#pragma once
// How a long verification tells how far it got, and how it is asked to stop.

#include <atomic>
#include <functional>

namespace vorna::verify {

// Called now and then with the steps done and the steps there are; one call at a time, but
// not always on the thread that started the work.
using Progress = std::function<void(int done, int total)>;

// Whether `cancel` is given and set.
inline bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

}  // namespace vorna::verify
