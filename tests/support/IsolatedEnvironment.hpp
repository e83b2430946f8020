#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace krx::test {

// Gives its scope its own HOME and TMPDIR: fresh, empty folders that are removed afterwards, with the
// previous values restored. Enter it before starting any thread and leave it after joining them,
// because the environment is process-wide.
class ScopedIsolatedEnvironment {
public:
    ScopedIsolatedEnvironment();
    ~ScopedIsolatedEnvironment();
    ScopedIsolatedEnvironment(const ScopedIsolatedEnvironment&) = delete;
    ScopedIsolatedEnvironment& operator=(const ScopedIsolatedEnvironment&) = delete;

    const std::string& home() const { return home_; }
    const std::string& tmp() const { return tmp_; }

private:
    std::string root_;
    std::string home_;
    std::string tmp_;
    std::optional<std::string> savedHome_;
    std::optional<std::string> savedTmp_;
};

// The same for a whole test: a fixture to derive from.
class IsolatedEnvironment : public ::testing::Test {
protected:
    void SetUp() override { env_.emplace(); }
    void TearDown() override { env_.reset(); }

    const std::string& home() const { return env_->home(); }
    const std::string& tmp() const { return env_->tmp(); }

private:
    std::optional<ScopedIsolatedEnvironment> env_;
};

}  // namespace krx::test
