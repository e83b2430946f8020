#include "diagnostics/DebugSingleton.hpp"

#include "diagnostics/LineBuffer.hpp"
#include "diagnostics/LogFile.hpp"
#include "diagnostics/Version.hpp"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <system_error>
#include <vector>

namespace krx {

namespace {

std::atomic<DebugSingleton*> standIn{nullptr};
std::atomic<std::uint64_t> nextLogId{1};

const std::string kRule(40, '-');

struct ThreadStream {
    std::uint64_t logId;
    std::unique_ptr<LineBuffer> buffer;
    std::unique_ptr<std::ostream> stream;
};

// Each thread's streams, one per log object it has written to. A stream belongs to its thread alone, so
// composing a line needs no lock; only handing the finished line to the file does.
thread_local std::vector<ThreadStream> threadStreams;

std::string header() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);

    std::ostringstream text;
    text << kRule << '\n'
         << "Start Archicad plugin: " << std::put_time(&local, "%F %T.") << '\n'
         << "Version " << addOnVersion() << '\n'
         << kRule << '\n'
         << '\n';
    return text.str();
}

std::string footer() {
    return "\nEnd PlugIn\n" + kRule + "\n\n\n\n";
}

}  // namespace

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
      file_(std::make_shared<LogFile>(filePath_)) {
    file_->append(header());
}

DebugSingleton::~DebugSingleton() {
    // Streams of other threads still pointing here drop their text from now on.
    file_->close(footer());
}

std::ostream& DebugSingleton::log() {
    auto found = std::find_if(threadStreams.begin(), threadStreams.end(),
                              [this](const ThreadStream& entry) { return entry.logId == id_; });
    if (found != threadStreams.end()) {
        return *found->stream;
    }

    threadStreams.erase(std::remove_if(threadStreams.begin(), threadStreams.end(),
                                       [](const ThreadStream& entry) { return !entry.buffer->isAttached(); }),
                        threadStreams.end());

    ThreadStream entry{id_, std::make_unique<LineBuffer>(file_), nullptr};
    entry.stream = std::make_unique<std::ostream>(entry.buffer.get());
    entry.stream->setf(std::ios::boolalpha);
    entry.stream->precision(16);
    threadStreams.push_back(std::move(entry));
    return *threadStreams.back().stream;
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
