#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>

namespace krx {

class LogFile;

// The add-on's debug log: one plain-text file in the temporary directory, with a header per load and a
// footer at unload. The main thread, the interface-file watcher and the listener all write to it: each
// thread gets its own log stream, and every completed line goes to the file whole, so lines of different
// threads never mix. A message is written as `log() << "text" << value << std::endl;`.
class DebugSingleton {
public:
    static constexpr const char* kFileName = "KorvexLumivo.log";

    // The add-on's one log object, created at the first call in the temporary directory of that moment.
    static DebugSingleton& instance();

    // A log object of its own in the temporary directory as it is now. The add-on uses only instance();
    // own objects serve tools and tests.
    DebugSingleton();
    explicit DebugSingleton(const std::string& directory);
    ~DebugSingleton();

    DebugSingleton(const DebugSingleton&) = delete;
    DebugSingleton& operator=(const DebugSingleton&) = delete;

    // The calling thread's stream into this log: booleans as words, numbers with 16 significant digits.
    // Text reaches the file line by line; a line's text waits in the stream until its line end. The stream
    // lives as long as the log, so every thread stops writing before the log ends.
    std::ostream& log();

    std::string getFilePath() const;

    // The log file's path in the directory, joined whether or not the directory's text ends in a separator.
    static std::string filePathIn(const std::string& directory);

    // The temporary directory as the system reports it now.
    static std::string temporaryDirectory();

    // Lets a log object of its own stand in for instance() while it lives, so that tests can read what the
    // code under test logs into a file of their own temporary directory. Scopes nest; the threads that use
    // the log must have finished before the scope ends.
    class ScopedInstance;

private:
    std::string filePath_;
    // Identifies this log in each thread's cached stream; unlike an address it is never reused.
    std::uint64_t id_;
    std::unique_ptr<LogFile> file_;
    // Each writing thread's stream, by thread serial. A stream is used by its own thread alone, so composing
    // a line takes no lock; the table's lock is taken only when a thread first meets this log.
    struct ThreadStream;
    std::mutex streamsMutex_;
    std::map<std::uint64_t, std::unique_ptr<ThreadStream>> streams_;
};

class DebugSingleton::ScopedInstance {
public:
    ScopedInstance();
    explicit ScopedInstance(const std::string& directory);
    ~ScopedInstance();

    ScopedInstance(const ScopedInstance&) = delete;
    ScopedInstance& operator=(const ScopedInstance&) = delete;

    DebugSingleton& log() { return log_; }

private:
    DebugSingleton log_;
    DebugSingleton* previous_;
};

}  // namespace krx
