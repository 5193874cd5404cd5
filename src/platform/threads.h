#pragma once
// Work shared out among threads that all end before the caller goes on.

#include <functional>
#include <thread>
#include <vector>

namespace qvr {

// work(0) on this thread, each other one on a thread of its own; returns once all have ended.
inline void RunOnThreads(size_t count, const std::function<void(size_t)>& work) {
    std::vector<std::jthread> others;
    for (size_t i = 1; i < count; ++i) others.emplace_back(work, i);
    if (count > 0) work(0);
}

}  // namespace qvr
