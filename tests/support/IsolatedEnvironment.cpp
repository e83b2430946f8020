#include "tests/support/IsolatedEnvironment.hpp"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace krx::test {
namespace {

std::optional<std::string> currentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

void restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

// Creates <base>/krx-test-XXXXXX with home/ and tmp/ inside; base is the TMPDIR the test runner
// gave the process (a sandbox in the build tree), never the machine's own temporary directory.
std::string makeRoot() {
    const char* base = std::getenv("TMPDIR");
    if (base == nullptr || *base == '\0') {
        throw std::runtime_error("TMPDIR is not set: tests run through ctest, which sets a sandbox");
    }
    std::string pattern = std::string(base) + "/krx-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a test folder under " + std::string(base));
    }
    return pattern;
}

}  // namespace

ScopedIsolatedEnvironment::ScopedIsolatedEnvironment() {
    root_ = makeRoot();
    home_ = root_ + "/home";
    tmp_ = root_ + "/tmp";
    std::filesystem::create_directories(home_);
    std::filesystem::create_directories(tmp_);
    savedHome_ = currentValue("HOME");
    savedTmp_ = currentValue("TMPDIR");
    ::setenv("HOME", home_.c_str(), 1);
    ::setenv("TMPDIR", tmp_.c_str(), 1);
}

ScopedIsolatedEnvironment::~ScopedIsolatedEnvironment() {
    restore("HOME", savedHome_);
    restore("TMPDIR", savedTmp_);
    std::error_code ec;
    // A test may leave read-only folders behind; make them writable so the whole tree goes.
    for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(root_, ec);
}

}  // namespace krx::test
