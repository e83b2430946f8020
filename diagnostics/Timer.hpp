#pragma once

#include <chrono>
#include <string>

namespace krx {

class DebugSingleton;

// Measures the time between its construction and its destruction and writes it to the debug log, for
// measurements while developing.
class Timer {
public:
    using Clock = std::chrono::steady_clock;

    explicit Timer(std::string name);
    // Writes to the given log instead of the add-on's one log.
    Timer(std::string name, DebugSingleton& log);
    ~Timer();

    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void printElapsedTime() const;

    // The log line, without its line end, for a timer of that name that ran for the given time.
    static std::string elapsedTimeText(const std::string& name, Clock::duration elapsed);

private:
    std::string name_;
    Clock::time_point start_;
    DebugSingleton* log_;
};

}  // namespace krx
