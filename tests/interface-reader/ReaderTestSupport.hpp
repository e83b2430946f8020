#pragma once

#include "diagnostics/DebugSingleton.hpp"
#include "interchange/Elements.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"
#include "settings/Settings.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace krx::test {

// Everything still queued, in queue order.
std::vector<Element> drain(Elements& queue);

void writeFile(const std::string& path, const std::string& content);
// Written beside the target and renamed into place, so a watcher never sees it half written.
void replaceFile(const std::string& path, const std::string& content);
std::string readFile(const std::string& path);

// The message lines of a log file, without its header.
std::vector<std::string> logLines(const std::string& logPath);
int countLines(const std::vector<std::string>& lines, const std::string& line);
// Lines that begin with the prefix.
int countLinesStartingWith(const std::vector<std::string>& lines, const std::string& prefix);

// An interface file with the given element children.
std::string interfaceXml(const std::string& elements, const std::string& project = std::string());

// A private HOME and TMPDIR, a log of the test's own, a queue, and the settings back at their defaults
// afterwards.
class ReaderTest : public IsolatedEnvironment {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every line logged so far.
    std::vector<std::string> log() const { return logLines(logPath_); }
    bool logged(const std::string& line) const { return countLines(log(), line) > 0; }

    std::vector<Element> queued() { return drain(*elements_); }

    std::optional<DebugSingleton::ScopedInstance> log_;
    std::string logPath_;
    std::unique_ptr<Elements> elements_;
    // Not watching anything a test does not create: its interface file lies in the private HOME.
    std::unique_ptr<SorvaneXMLFileParser> parser_;
};

}  // namespace krx::test
