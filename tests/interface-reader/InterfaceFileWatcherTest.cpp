#include "interchange/Section.hpp"
#include "tests/interface-reader/ReaderTestSupport.hpp"
#include "tests/support/WaitUntil.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace krx::test {
namespace {

using namespace std::chrono_literals;

// A watcher that counts its reads of the interface file and can act in the moment after one.
class ObservedParser : public SorvaneXMLFileParser {
public:
    using SorvaneXMLFileParser::SorvaneXMLFileParser;
    // The thread calls the overrides: it must have ended before this object is gone.
    ~ObservedParser() override {
        released = true;
        stopThread();
    }

    std::atomic<int> reads{0};
    std::atomic<int> cycles{0};
    // Set before the thread starts; called on the watcher thread with the number of the read.
    std::function<void(int)> afterRead;

    // The batch (counted from 1) at which the watcher is held once it has taken the file and before it
    // reads the elements, until released or a deadline passes; 0 holds none.
    int holdBatch = 0;
    std::atomic<bool> holding{false};
    std::atomic<bool> released{false};

    // Waits until the watcher has looked at the interface file some more times: what it did not do by
    // then, it does not do while the file stays as it is.
    bool lookedAgain(int times = 20) const {
        const int seen = cycles;
        return waitUntil([&] { return cycles >= seen + times; });
    }

protected:
    void interfaceFileWasRead() override {
        const int read = ++reads;
        if (afterRead) {
            afterRead(read);
        }
    }
    void pollCycleEnded() override { ++cycles; }
    void interfaceFileWasConsumed() override {
        if (++batches_ == holdBatch) {
            holding = true;
            waitUntil([this] { return released.load(); });
        }
    }

private:
    int batches_ = 0;  // watcher thread only
};

std::string pointElement(const std::string& name) {
    return "<E type='point' name='" + name +
           "'><Geometry number='1'><Shape><Point3d>1 2 3</Point3d></Shape><Origin3d>0 0 "
           "0</Origin3d></Geometry></E>";
}

std::string batchOf(const std::vector<std::string>& names) {
    std::string elements;
    for (const std::string& name : names) {
        elements += pointElement(name);
    }
    return interfaceXml(elements);
}

class InterfaceFileWatcherTest : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        _krxsettings_.setValue("interfaceFileCheckTimerMS", SettingValue(2.0));
        std::filesystem::create_directories(home() + "/.Korvex");
        path_ = home() + "/.Korvex/korvexplexa.vsq";
        watcher_ = std::make_unique<ObservedParser>(elements_.get(), QString());
    }

    void TearDown() override {
        watcher_.reset();
        ReaderTest::TearDown();
    }

    bool fileExists() const { return std::filesystem::exists(std::filesystem::symlink_status(path_)); }

    // The names of the points received so far, in order, collected across calls.
    const std::vector<std::string>& received() {
        for (const Element& element : queued()) {
            const auto* point = std::get_if<HPoint>(&element);
            received_.push_back(point != nullptr ? point->id() : "<" + std::to_string(element.index()) + ">");
        }
        return received_;
    }

    bool receivedCount(std::size_t count) {
        return waitUntil([&] { return received().size() >= count; });
    }

    std::string path_;
    std::unique_ptr<ObservedParser> watcher_;
    std::vector<std::string> received_;
};

TEST(InterfaceFileLocationTest, PathsGiven) {
    const ScopedIsolatedEnvironment environment;
    struct Case {
        QString given;
        std::string expected;
    };
    const Case cases[] = {
        {QString(), environment.home() + "/.Korvex/korvexplexa.vsq"},
        {"/data/", "/data/korvexplexa.vsq"},
        {"C:\\data\\", "C:\\data\\korvexplexa.vsq"},
        {"/data/korvexplexa.vsq", "/data/korvexplexa.vsq"},
        {"/data/KORVEXPLEXA.VSQ", "/data/KORVEXPLEXA.VSQ/korvexplexa.vsq"},
        {"/data", "/data/korvexplexa.vsq"},
    };
    for (const Case& c : cases) {
        Elements queue;
        const SorvaneXMLFileParser parser(&queue, c.given);
        EXPECT_EQ(parser.interfaceFilePath().toStdString(), c.expected);
    }
}

TEST_F(InterfaceFileWatcherTest, EachFileIsOneBatch) {
    watcher_->startThread();
    replaceFile(path_, batchOf({"a1", "a2"}));
    ASSERT_TRUE(receivedCount(2));
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    replaceFile(path_, batchOf({"b1"}));
    ASSERT_TRUE(receivedCount(3));
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    watcher_->stopThread();
    EXPECT_EQ(received(), (std::vector<std::string>{"a1", "a2", "b1"}));
}

TEST_F(InterfaceFileWatcherTest, WriterInTwoPartsDeliversTheBatchWholeOnce) {
    const std::string content = batchOf({"p1", "p2", "p3"});
    watcher_->startThread();
    {
        std::ofstream out(path_, std::ios::binary);
        out << content.substr(0, content.size() / 2) << std::flush;
        // The watcher meets the half-written file more than once and leaves it where it is.
        ASSERT_TRUE(waitUntil([&] { return watcher_->reads >= 3; }));
        EXPECT_TRUE(fileExists());
        EXPECT_TRUE(received().empty());
        out << content.substr(content.size() / 2) << std::flush;
    }
    ASSERT_TRUE(receivedCount(3));
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    watcher_->stopThread();
    EXPECT_EQ(received(), (std::vector<std::string>{"p1", "p2", "p3"}));
    EXPECT_EQ(countLinesStartingWith(log(), "Dropped"), 0);
}

TEST_F(InterfaceFileWatcherTest, OldUnreadableFilesAreDroppedWithOneLine) {
    struct Case {
        std::string content;
        std::string line;
    };
    const Case cases[] = {
        {"", "Dropped an empty interface file"},
        {"<Root><Elements>", "Dropped an interface file that is not well-formed XML: "},
        {"<!DOCTYPE Root [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><Root>&x;</Root>",
         "Dropped an interface file that is not well-formed XML: document type declarations are not "
         "accepted"},
    };
    watcher_->startThread();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const int before = countLinesStartingWith(log(), c.line);
        writeFile(path_ + ".part", c.content);
        std::filesystem::last_write_time(path_ + ".part", std::filesystem::file_time_type::clock::now() - 5s);
        std::filesystem::rename(path_ + ".part", path_);
        ASSERT_TRUE(
            waitUntil([&] { return !fileExists() && countLinesStartingWith(log(), c.line) > before; }));
        EXPECT_EQ(countLinesStartingWith(log(), c.line) - before, 1);
    }
    watcher_->stopThread();
    EXPECT_TRUE(received().empty());
}

TEST_F(InterfaceFileWatcherTest, FileRewrittenBetweenReadAndDeleteIsReadAgain) {
    // The rewrite lands after the watcher has read the first content and before it deletes the file.
    watcher_->afterRead = [this](int read) {
        if (read == 1) {
            replaceFile(path_, batchOf({"second-longer"}));
        }
    };
    replaceFile(path_, batchOf({"first"}));
    watcher_->startThread();
    ASSERT_TRUE(receivedCount(1));
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    watcher_->stopThread();
    // Overwritten before it was consumed: only the last content counts, and it is not lost.
    EXPECT_EQ(received(), (std::vector<std::string>{"second-longer"}));
}

TEST_F(InterfaceFileWatcherTest, FileRewrittenWhileABatchIsParsed) {
    // Held after the first file is taken and before its elements are read, so the next file surely
    // arrives while the first batch is being processed.
    watcher_->holdBatch = 1;
    replaceFile(path_, batchOf({"first"}));
    watcher_->startThread();
    ASSERT_TRUE(waitUntil([&] { return watcher_->holding.load(); }));
    EXPECT_FALSE(fileExists());
    replaceFile(path_, batchOf({"next"}));
    watcher_->released = true;
    ASSERT_TRUE(receivedCount(2));
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    watcher_->stopThread();
    EXPECT_EQ(received(), (std::vector<std::string>{"first", "next"}));
    EXPECT_EQ(watcher_->reads.load(), 2);
}

TEST_F(InterfaceFileWatcherTest, ReferencedFilesThatAreNotFilesAreNotOpened) {
    // Opening a pipe would block the watcher for good, and with it stopThread() and the host that calls it.
    // Such a project or description file counts as one that cannot be opened; the batch goes on.
    _krxsettings_.setValue("parseCompleteKPJOnFirstLoad", SettingValue(true));
    enum class Kind { Pipe, Device, Folder };
    struct Case {
        const char* label;
        Kind kind;
        std::string name;
    };
    const Case cases[] = {
        {"pipe as project file", Kind::Pipe, "pipe.kpj"},
        {"pipe as description file", Kind::Pipe, "pipe.vsq"},
        {"device as project file", Kind::Device, "null.kpj"},
        {"device as description file", Kind::Device, "null.vsq"},
        {"folder as description file", Kind::Folder, "folder.vsq"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = tmp() + "/" + c.name;
        switch (c.kind) {
            case Kind::Pipe:
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
                break;
            case Kind::Device:
                std::filesystem::create_symlink("/dev/null", path);
                break;
            case Kind::Folder:
                std::filesystem::create_directory(path);
                break;
        }
        const bool asProject = path.size() > 4 && path.compare(path.size() - 4, 4, ".kpj") == 0;
        const std::string section =
            asProject ? "<E type='section' name='S'/>"
                      : "<E type='section' name='S'><Process status='done'><References><R type='vsq'>" +
                            path + "</R></References></Process></E>";
        const std::string project =
            asProject ? "<Project><FilePath type='kpj'>" + path + "</FilePath></Project>" : std::string();
        const std::vector<std::string> before = log();
        replaceFile(path_, interfaceXml(pointElement("before") + section + pointElement("after"), project));
        watcher_->startThread();

        std::vector<Element> arrived;
        EXPECT_TRUE(waitUntil(
            [&] {
                for (Element& element : queued()) {
                    arrived.push_back(std::move(element));
                }
                return arrived.size() >= 3;
            },
            10s));

        std::atomic<bool> stopped{false};
        std::thread stopper([&] {
            watcher_->stopThread();
            stopped = true;
        });
        const bool stoppedPromptly = waitUntil([&] { return stopped.load(); }, 5s);
        if (!stoppedPromptly && c.kind == Kind::Pipe) {
            // The watcher hangs in the pipe: a writer that comes and goes lets it read an end, so the test
            // ends.
            waitUntil([&] {
                const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                }
                return fd >= 0 || stopped.load();
            });
        }
        stopper.join();
        EXPECT_TRUE(stoppedPromptly);
        for (Element& element : queued()) {
            arrived.push_back(std::move(element));
        }
        std::filesystem::remove(path);

        const std::vector<std::string> after = log();
        EXPECT_EQ(
            countLines(after, "Error while reading file!") - countLines(before, "Error while reading file!"),
            1);
        EXPECT_EQ(countLines(after, "Reading the VSQ file failed") -
                      countLines(before, "Reading the VSQ file failed"),
                  asProject ? 0 : 1);
        // The batch's other elements, and the section without sheets as an unreadable description file
        // leaves it.
        const HPoint* first = arrived.size() == 3 ? std::get_if<HPoint>(&arrived[0]) : nullptr;
        const Section* sectionRecord = arrived.size() == 3 ? std::get_if<Section>(&arrived[1]) : nullptr;
        const HPoint* last = arrived.size() == 3 ? std::get_if<HPoint>(&arrived[2]) : nullptr;
        if (first == nullptr || sectionRecord == nullptr || last == nullptr) {
            ADD_FAILURE() << "expected a point, a section and a point, got " << arrived.size() << " elements";
            continue;
        }
        EXPECT_EQ(first->id(), "before");
        EXPECT_EQ(sectionRecord->name(), "S");
        EXPECT_TRUE(sectionRecord->sheets().empty());
        EXPECT_EQ(last->id(), "after");
    }
}

#ifdef __linux__
bool setImmutable(const std::string& path, bool immutable) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}
#else
bool setImmutable(const std::string&, bool) {
    return false;
}
#endif

TEST_F(InterfaceFileWatcherTest, UndeletableFileIsProcessedOnceUntilItChanges) {
    replaceFile(path_, batchOf({"stuck"}));
    const std::string folder = home() + "/.Korvex";
    // A read-only folder stops deletion, except for root, whom only an immutable file stops.
    const bool asRoot = ::geteuid() == 0;
    std::function<void()> release;
    if (!asRoot) {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        release = [folder] { ::chmod(folder.c_str(), 0755); };
    } else if (setImmutable(path_, true)) {
        release = [this] { setImmutable(path_, false); };
    } else {
        GTEST_SKIP() << "running as root on a file system without immutable files: nothing stops a deletion";
    }
    struct Release {
        std::function<void()>& release;
        ~Release() {
            if (release) {
                release();
            }
        }
    } guard{release};

    watcher_->startThread();
    ASSERT_TRUE(receivedCount(1));
    // What must not happen is another read of the unchanged file.
    ASSERT_TRUE(watcher_->lookedAgain());
    EXPECT_EQ(watcher_->reads.load(), 1);
    const std::vector<std::string> lines = log();
    EXPECT_EQ(countLines(lines, "Was not able to delete file"), 99);
    EXPECT_EQ(countLinesStartingWith(lines, "Interface file could not be deleted"), 1);

    // Once it changes, it is a new batch again.
    release();
    release = nullptr;
    replaceFile(path_, batchOf({"fresh"}));
    ASSERT_TRUE(receivedCount(2));
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    watcher_->stopThread();
    EXPECT_EQ(received(), (std::vector<std::string>{"stuck", "fresh"}));
}

TEST_F(InterfaceFileWatcherTest, SomethingElseThanAFileIsNotOpened) {
    // Opening a pipe would block the watcher, and with it stopThread().
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    watcher_->startThread();
    ASSERT_TRUE(waitUntil([&] { return logged("Error while reading file!"); }));
    ASSERT_TRUE(watcher_->lookedAgain());
    EXPECT_EQ(countLines(log(), "Error while reading file!"), 1);
    std::filesystem::remove(path_);
    replaceFile(path_, batchOf({"after"}));
    ASSERT_TRUE(receivedCount(1));
    watcher_->stopThread();
    EXPECT_EQ(watcher_->reads.load(), 1);
}

TEST_F(InterfaceFileWatcherTest, NeverTwoThreads) {
    EXPECT_FALSE(watcher_->threadIsRunning());
    watcher_->stopThread();
    watcher_->startThread();
    EXPECT_TRUE(watcher_->threadIsRunning());
    watcher_->startThread();
    EXPECT_EQ(countLines(log(), "Thread is already running, don't start new thread"), 1);
    watcher_->stopThread();
    EXPECT_FALSE(watcher_->threadIsRunning());

    // A long poll period does not hold up a stop.
    _krxsettings_.setValue("interfaceFileCheckTimerMS", SettingValue(1e12));
    watcher_->startThread();
    watcher_->stopThread();
    EXPECT_FALSE(watcher_->threadIsRunning());

    // Destroyed right after the start: the thread must be gone with the object (the sanitizers watch).
    for (int i = 0; i < 200; ++i) {
        Elements queue;
        SorvaneXMLFileParser parser(&queue, QString());
        parser.startThread();
    }
}

TEST_F(InterfaceFileWatcherTest, StartAndStopAThousandTimesWhileFilesArrive) {
    constexpr int kBatches = 60;
    std::atomic<bool> writerFailed{false};
    std::thread writer([&] {
        for (int i = 0; i < kBatches; ++i) {
            // Sorvane writes the next batch once the last is consumed; overwriting it would replace it.
            if (!waitUntil([&] { return !fileExists(); }, 60s)) {
                writerFailed = true;
                return;
            }
            replaceFile(path_, batchOf({"b" + std::to_string(i)}));
        }
    });
    for (int i = 0; i < 1000; ++i) {
        watcher_->startThread();
        EXPECT_TRUE(watcher_->threadIsRunning());
        // Vary how long each run lasts, so stops land in every phase of a cycle.
        std::this_thread::sleep_for(std::chrono::microseconds((i % 9) * 300));
        watcher_->stopThread();
        EXPECT_FALSE(watcher_->threadIsRunning());
    }
    watcher_->startThread();
    EXPECT_TRUE(receivedCount(kBatches));
    writer.join();
    ASSERT_TRUE(waitUntil([&] { return !fileExists(); }));
    watcher_->stopThread();
    ASSERT_FALSE(writerFailed);
    std::vector<std::string> expected;
    for (int i = 0; i < kBatches; ++i) {
        expected.push_back("b" + std::to_string(i));
    }
    EXPECT_EQ(received(), expected);
}

}  // namespace
}  // namespace krx::test
