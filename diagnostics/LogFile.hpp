#pragma once

#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <string_view>

namespace krx {

// The open log file shared by every thread that writes to one log. Each append is one whole piece of text,
// written and flushed under the lock, so lines from different threads never interleave and the file is
// complete up to the last line when the host stops unexpectedly.
class LogFile {
public:
    // Files above this size are deleted before opening, so that a new load starts a new file.
    static constexpr std::uintmax_t kSizeLimit = 0x300000;

    explicit LogFile(const std::string& path);

    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Appends the text unless the file could not be opened or has been closed.
    void append(std::string_view text);

    // Appends a last piece of text and closes the file; later appends are dropped.
    void close(std::string_view lastText);

    bool isOpen() const;

private:
    mutable std::mutex mutex_;
    std::ofstream file_;
    bool closed_ = false;
};

}  // namespace krx
