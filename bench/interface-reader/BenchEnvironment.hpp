#pragma once

#include <string>

namespace krx::bench {

// A private HOME and TMPDIR for the whole benchmark run, removed at its end: the watcher looks in HOME and
// the debug log goes to TMPDIR, and a benchmark must touch neither of the user's.
class BenchEnvironment {
public:
    BenchEnvironment();
    ~BenchEnvironment();
    BenchEnvironment(const BenchEnvironment&) = delete;
    BenchEnvironment& operator=(const BenchEnvironment&) = delete;

    static const std::string& root();

private:
    std::string root_;
};

// Peak resident memory, in bytes, that work adds above what the process held just before it.
std::size_t peakMemoryOf(void (*work)(void*), void* context);

}  // namespace krx::bench
