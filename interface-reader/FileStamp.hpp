#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace krx {

// What the watcher knows of a file between two looks at it: whether it is there, its size and its
// modification time to the file system's full precision. Two equal stamps mean nobody wrote the file in
// between, as far as a watcher can tell without a lock that Sorvane does not take.
struct FileStamp {
    bool exists = false;
    bool isRegularFile = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    static FileStamp of(const QString& path);

    // Modified less than the given time ago. A time stamp in the future counts as recent only within
    // the same margin, so a file with a wrong clock on it is not kept waiting for ever.
    bool isRecent(std::chrono::milliseconds margin) const;

    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

}  // namespace krx
