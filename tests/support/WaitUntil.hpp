#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace krx::test {

// Polls a condition until it holds or the deadline passes; returns whether it held. Tests wait for
// what they expect instead of sleeping a fixed time, so a slow sanitizer run only takes longer.
inline bool waitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) {
            return condition();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace krx::test
