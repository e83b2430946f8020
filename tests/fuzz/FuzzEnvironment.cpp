#include "tests/fuzz/FuzzEnvironment.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace krx::fuzz {

const QString& privateFolder() {
    static const QString folder = [] {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/krx-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        std::filesystem::create_directories(pattern + "/home");
        std::filesystem::create_directories(pattern + "/tmp");
        std::filesystem::create_directories(pattern + "/work");
        ::setenv("HOME", (pattern + "/home").c_str(), 1);
        ::setenv("TMPDIR", (pattern + "/tmp").c_str(), 1);
        if (::chdir((pattern + "/work").c_str()) != 0) {
            std::abort();
        }
        static const std::string root = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        });
        return QString::fromStdString(pattern + "/work");
    }();
    return folder;
}

}  // namespace krx::fuzz
