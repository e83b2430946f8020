#include "tests/interface-reader/ReaderTestSupport.hpp"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace krx::test {

std::vector<Element> drain(Elements& queue) {
    std::vector<Element> result;
    while (std::unique_ptr<Element> element = queue.getElement()) {
        result.push_back(std::move(*element));
    }
    return result;
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    out << content;
}

void replaceFile(const std::string& path, const std::string& content) {
    const std::string staging = path + ".part";
    writeFile(staging, content);
    if (std::rename(staging.c_str(), path.c_str()) != 0) {
        throw std::runtime_error("cannot rename into " + path);
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> logLines(const std::string& logPath) {
    std::istringstream in(readFile(logPath));
    std::vector<std::string> lines;
    std::string line;
    // The header ends with its second rule and an empty line.
    int rules = 0;
    bool inHeader = true;
    while (std::getline(in, line)) {
        if (inHeader) {
            if (line == std::string(40, '-') && ++rules == 2) {
                std::getline(in, line);
                inHeader = false;
            }
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

int countLines(const std::vector<std::string>& lines, const std::string& line) {
    int count = 0;
    for (const std::string& candidate : lines) {
        count += candidate == line ? 1 : 0;
    }
    return count;
}

int countLinesStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    int count = 0;
    for (const std::string& candidate : lines) {
        count += candidate.rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return count;
}

std::string interfaceXml(const std::string& elements, const std::string& project) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SorvaneInterface version=\"1\">\n" + project +
           "<Elements>\n" + elements + "</Elements>\n</SorvaneInterface>\n";
}

void ReaderTest::SetUp() {
    IsolatedEnvironment::SetUp();
    _krxsettings_.standardValues();
    log_.emplace(tmp());
    logPath_ = log_->log().getFilePath();
    elements_ = std::make_unique<Elements>();
    parser_ = std::make_unique<SorvaneXMLFileParser>(elements_.get(), QString());
}

void ReaderTest::TearDown() {
    parser_.reset();
    elements_.reset();
    log_.reset();
    _krxsettings_.standardValues();
    IsolatedEnvironment::TearDown();
}

}  // namespace krx::test
