#include "bench/interface-reader/BenchEnvironment.hpp"

#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace krx::bench {

namespace {

std::string& rootPath() {
    static std::string path;
    return path;
}

// A "Vm…:   1234 kB" line of /proc/self/status, in bytes.
std::size_t statusValue(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == name) {
            std::size_t kib = 0;
            status >> kib;
            return kib * 1024;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

}  // namespace

BenchEnvironment::BenchEnvironment() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/krx-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a folder for the benchmark");
    }
    root_ = pattern;
    std::filesystem::create_directories(root_ + "/home/.Korvex");
    std::filesystem::create_directories(root_ + "/tmp");
    ::setenv("HOME", (root_ + "/home").c_str(), 1);
    ::setenv("TMPDIR", (root_ + "/tmp").c_str(), 1);
    rootPath() = root_;
}

BenchEnvironment::~BenchEnvironment() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

const std::string& BenchEnvironment::root() {
    return rootPath();
}

std::size_t peakMemoryOf(void (*work)(void*), void* context) {
    // Give freed memory back first, so that the work cannot hide its peak in pages the process already
    // holds, then restart the high-water mark at the current size.
    ::malloc_trim(0);
    {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";
    }
    const std::size_t before = statusValue("VmRSS:");
    work(context);
    const std::size_t peak = statusValue("VmHWM:");
    return peak > before ? peak - before : 0;
}

}  // namespace krx::bench
