#include "diagnostics/LogFile.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace krx {

LogFile::LogFile(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kSizeLimit) {
        std::filesystem::remove(path, error);
    }

    file_.open(path, std::ios::out | std::ios::app | std::ios::binary);
    if (!file_.is_open()) {
        std::cerr << "Could not open debug log file for writing." << std::endl;
    }
}

void LogFile::append(std::string_view text) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_ || !file_.is_open()) {
        return;
    }
    file_.write(text.data(), static_cast<std::streamsize>(text.size()));
    file_.flush();
}

void LogFile::close(std::string_view lastText) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) {
        return;
    }
    closed_ = true;
    if (file_.is_open()) {
        file_.write(lastText.data(), static_cast<std::streamsize>(lastText.size()));
        file_.flush();
        file_.close();
    }
}

bool LogFile::isOpen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !closed_ && file_.is_open();
}

}  // namespace krx
