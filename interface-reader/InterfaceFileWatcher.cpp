// The watcher thread of SorvaneXMLFileParser: finding, reading, deleting and handing on the interface file.

#include "interface-reader/SorvaneXMLFileParser.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "interface-reader/XmlDocument.hpp"

#include <chrono>
#include <exception>

namespace krx {
namespace {

constexpr int kDeleteAttempts = 100;
constexpr int kDeleteRetryMS = 10;
// Sorvane may still be writing a file this young; an unreadable one is given another look.
constexpr std::chrono::milliseconds kWritingMargin{1000};

}  // namespace

void SorvaneXMLFileParser::readInterfaceFile() {
    const int period = pollPeriod();
    running_ = true;
    while (!stopRequested_) {
        if (period > 0 && !pause(period)) {
            break;
        }
        // Nothing may leave the thread: a failure costs one cycle, and the next one looks again.
        try {
            consumeInterfaceFile();
        } catch (const std::exception& error) {
            DebugSingleton::instance().log()
                << "Reading the interface file failed: " << error.what() << std::endl;
        } catch (...) {
            DebugSingleton::instance().log() << "Reading the interface file failed" << std::endl;
        }
        pollCycleEnded();
    }
    running_ = false;
}

void SorvaneXMLFileParser::consumeInterfaceFile() {
    const FileStamp found = FileStamp::of(fileName_);
    if (!found.exists) {
        undeletable_.reset();
        unopenable_.reset();
        return;
    }
    if (undeletable_ && *undeletable_ == found) {
        return;
    }
    // Opening anything but a plain file (a pipe, say) could block the thread, and with it stopThread().
    if (!found.isRegularFile || !file_.open(QIODevice::ReadOnly)) {
        if (!unopenable_ || *unopenable_ != found) {
            DebugSingleton::instance().log() << "Error while reading file!" << std::endl;
            unopenable_ = found;
        }
        return;
    }
    unopenable_.reset();
    const QByteArray data = file_.readAll();
    file_.close();
    interfaceFileWasRead();

    // Written to while it was read: the next cycle reads it again.
    const FileStamp read = FileStamp::of(fileName_);
    if (read != found || static_cast<std::uintmax_t>(data.size()) != found.size) {
        return;
    }

    QDomDocument document;
    XmlError error;
    if (data.isEmpty() || !parseXmlDocument(data, document, &error)) {
        // Maybe half written: deleting it now would lose the batch.
        if (read.isRecent(kWritingMargin)) {
            return;
        }
        const Removal removal = removeInterfaceFile(read);
        if (removal == Removal::Removed || removal == Removal::Failed) {
            auto& log = DebugSingleton::instance().log();
            if (data.isEmpty()) {
                log << "Dropped an empty interface file" << std::endl;
            } else {
                log << "Dropped an interface file that is not well-formed XML: "
                    << error.message.toStdString() << " at line " << error.line << ", column " << error.column
                    << std::endl;
            }
            if (removal == Removal::Failed) {
                undeletable_ = read;
            }
        }
        return;
    }

    // Once deleted, a batch must be parsed; a stop before that leaves the file for the next start.
    if (stopRequested_) {
        return;
    }
    switch (removeInterfaceFile(read)) {
        case Removal::Removed:
            break;
        case Removal::Changed:
        case Removal::Stopped:
            return;
        case Removal::Failed:
            // Read once; reading it again each cycle would queue the same elements again and again.
            DebugSingleton::instance().log()
                << "Interface file could not be deleted, it is read again only once it changes: "
                << fileName_.toStdString() << std::endl;
            undeletable_ = read;
            break;
    }
    interfaceFileWasConsumed();
    processInterfaceDocument(document);
}

SorvaneXMLFileParser::Removal SorvaneXMLFileParser::removeInterfaceFile(const FileStamp& stamp) {
    for (int attempt = 1; attempt <= kDeleteAttempts; ++attempt) {
        // A batch written after our read would otherwise be deleted unread.
        const FileStamp now = FileStamp::of(fileName_);
        if (!now.exists) {
            return Removal::Removed;
        }
        if (now != stamp) {
            return Removal::Changed;
        }
        if (file_.remove()) {
            return Removal::Removed;
        }
        if (attempt < kDeleteAttempts) {
            DebugSingleton::instance().log() << "Was not able to delete file" << std::endl;
            if (!pause(kDeleteRetryMS)) {
                return Removal::Stopped;
            }
        }
    }
    return Removal::Failed;
}

}  // namespace krx
