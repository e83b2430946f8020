#include "diagnostics/Timer.hpp"

#include "diagnostics/DebugSingleton.hpp"

#include <cstdlib>
#include <sstream>

namespace krx {

Timer::Timer(std::string name) : name_(std::move(name)), start_(Clock::now()), log_(nullptr) {}

Timer::Timer(std::string name, DebugSingleton& log)
    : name_(std::move(name)), start_(Clock::now()), log_(&log) {}

Timer::~Timer() {
    printElapsedTime();
}

void Timer::printElapsedTime() const {
    DebugSingleton& target = log_ != nullptr ? *log_ : DebugSingleton::instance();
    target.log() << elapsedTimeText(name_, Clock::now() - start_) << std::endl;
}

std::string Timer::elapsedTimeText(const std::string& name, Clock::duration elapsed) {
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const std::string shownName = name.empty() ? std::string("Unkonwn") : name;
    const long nameLength = static_cast<long>(shownName.size());
    const std::string padding(static_cast<std::size_t>(std::labs(32 - nameLength)), '.');

    std::ostringstream text;
    text.precision(16);
    text << "Timer " << shownName << ' ' << padding << ' ';
    // Whole units are counted on the clock's integer ticks, so that truncation cannot lose a unit to
    // rounding (250 us must not come out as 249).
    if (seconds < 0.001) {
        text << std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() << " [\xCE\xBCs]";
    } else if (seconds < 1.0) {
        text << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << " [ms]";
    } else {
        text << seconds << " [s]";
    }
    return text.str();
}

}  // namespace krx
