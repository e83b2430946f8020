#include "diagnostics/DebugSingleton.hpp"

#include "diagnostics/LineBuffer.hpp"
#include "diagnostics/LogFile.hpp"
#include "diagnostics/Version.hpp"

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <map>
#include <sstream>
#include <system_error>

namespace krx {

namespace {

std::atomic<DebugSingleton*> standIn{nullptr};
std::atomic<std::uint64_t> nextLogId{1};
std::atomic<std::uint64_t> nextThreadSerial{1};

// Plain values only: a thread-local object with a destructor would pin the add-on's module in memory for
// as long as the host's main thread lives, so that unloading it would run no destructor and write no
// footer. The streams themselves belong to the log.
thread_local std::uint64_t threadSerial = 0;
thread_local std::uint64_t cachedLogId = 0;
thread_local std::ostream* cachedStream = nullptr;

// Never reused, unlike thread ids: a new thread never inherits an ended thread's half-written line.
std::uint64_t currentThreadSerial() {
    if (threadSerial == 0) {
        threadSerial = nextThreadSerial.fetch_add(1, std::memory_order_relaxed);
    }
    return threadSerial;
}

std::string rule() {
    return std::string(40, '-');
}

std::string header() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);

    std::ostringstream text;
    text << rule() << '\n'
         << "Start Archicad plugin: " << std::put_time(&local, "%F %T.") << '\n'
         << "Version " << addOnVersion() << '\n'
         << rule() << '\n'
         << '\n';
    return text.str();
}

std::string footer() {
    return "\nEnd PlugIn\n" + rule() + "\n\n\n\n";
}

}  // namespace

struct DebugSingleton::ThreadStream {
    explicit ThreadStream(LogFile& file) : buffer(file), stream(&buffer) {
        stream.setf(std::ios::boolalpha);
        stream.precision(16);
    }

    LineBuffer buffer;
    std::ostream stream;
};

DebugSingleton& DebugSingleton::instance() {
    if (DebugSingleton* standing = standIn.load(std::memory_order_acquire)) {
        return *standing;
    }
    // A function-local static: its creation is safe against concurrent first calls, and it is destroyed at
    // program unload, which writes the footer.
    static DebugSingleton theLog;
    return theLog;
}

DebugSingleton::DebugSingleton() : DebugSingleton(temporaryDirectory()) {}

DebugSingleton::DebugSingleton(const std::string& directory)
    : filePath_(filePathIn(directory)),
      id_(nextLogId.fetch_add(1, std::memory_order_relaxed)),
      file_(std::make_unique<LogFile>(filePath_)) {
    file_->append(header());
}

DebugSingleton::~DebugSingleton() {
    // The writing threads have stopped by now; a line one of them left unfinished still goes in whole,
    // before the footer.
    {
        std::lock_guard<std::mutex> lock(streamsMutex_);
        for (auto& entry : streams_) {
            entry.second->buffer.finishLine();
        }
    }
    file_->close(footer());
}

std::ostream& DebugSingleton::log() {
    if (cachedLogId == id_) {
        return *cachedStream;
    }
    std::lock_guard<std::mutex> lock(streamsMutex_);
    auto& entry = streams_[currentThreadSerial()];
    if (!entry) {
        entry = std::make_unique<ThreadStream>(*file_);
    }
    cachedLogId = id_;
    cachedStream = &entry->stream;
    return entry->stream;
}

std::string DebugSingleton::getFilePath() const {
    return filePath_;
}

std::string DebugSingleton::filePathIn(const std::string& directory) {
    return (std::filesystem::path(directory) / kFileName).string();
}

std::string DebugSingleton::temporaryDirectory() {
    std::error_code error;
    const auto directory = std::filesystem::temp_directory_path(error);
    if (!error) {
        return directory.string();
    }
    // The directory named by TMPDIR is missing: keep to it anyway, so that the failure to open the log is
    // reported instead of the log silently moving elsewhere.
    if (const char* named = std::getenv("TMPDIR"); named != nullptr && *named != '\0') {
        return named;
    }
    return "/tmp";
}

DebugSingleton::ScopedInstance::ScopedInstance() : ScopedInstance(temporaryDirectory()) {}

DebugSingleton::ScopedInstance::ScopedInstance(const std::string& directory)
    : log_(directory), previous_(standIn.exchange(&log_, std::memory_order_acq_rel)) {}

DebugSingleton::ScopedInstance::~ScopedInstance() {
    standIn.store(previous_, std::memory_order_release);
}

}  // namespace krx
