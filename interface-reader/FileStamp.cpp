#include "interface-reader/FileStamp.hpp"

#include <system_error>

namespace krx {

FileStamp FileStamp::of(const QString& path) {
    namespace fs = std::filesystem;
    FileStamp stamp;
    const fs::path file(path.toStdString());
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status)) {
        return stamp;
    }
    stamp.exists = true;
    stamp.isRegularFile = fs::is_regular_file(status);
    if (stamp.isRegularFile) {
        const auto size = fs::file_size(file, ec);
        stamp.size = ec ? 0 : size;
    }
    const auto modified = fs::last_write_time(file, ec);
    if (!ec) {
        stamp.modified = modified;
    }
    return stamp;
}

bool FileStamp::isRecent(std::chrono::milliseconds margin) const {
    const auto age = std::filesystem::file_time_type::clock::now() - modified;
    return age < margin && age > -margin;
}

bool FileStamp::operator==(const FileStamp& other) const {
    return exists == other.exists && isRegularFile == other.isRegularFile && size == other.size &&
           modified == other.modified;
}

}  // namespace krx
