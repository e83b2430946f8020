#pragma once

#include "interchange/Elements.hpp"
#include "interchange/Geometry.hpp"
#include "interface-reader/FileStamp.hpp"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace krx {

class Section;

// The watcher of the interface file that Sorvane writes into ~/.Korvex, and the readers of every XML file
// it leads to: the interface file itself, the project file and the section description files. Each file
// found is read whole, deleted (that is how a batch is marked consumed) and parsed; the elements go into
// the queue. The readers can also be called directly, without the thread, to read a file without
// consuming it.
class SorvaneXMLFileParser {
public:
    static constexpr const char* kInterfaceFileName = "korvexplexa.vsq";

    // An empty path means the interface file in ".Korvex" of the user's home directory; a folder path
    // (ending in a separator) or any other path gets the file name added unless it already ends in it.
    SorvaneXMLFileParser(Elements* elements, const QString& path);
    // Stops the thread first: it never outlives the object.
    virtual ~SorvaneXMLFileParser();

    SorvaneXMLFileParser(const SorvaneXMLFileParser&) = delete;
    SorvaneXMLFileParser& operator=(const SorvaneXMLFileParser&) = delete;

    // Starts the watcher thread unless one runs. Never runs two threads.
    void startThread();
    // Returns only once no thread of this watcher can touch it any more, also right after startThread().
    // A batch being parsed at that moment is parsed to its end first. Not to be called by the readers.
    void stopThread();
    bool threadIsRunning() const;

    // The full path of the interface file that the thread watches.
    const QString& interfaceFilePath() const { return fileName_; }
    // The project file parsed in full last; empty until one is.
    const QString& projectPath() const { return projectPath_; }

    // One batch: the content of one interface file. Not well-formed data is dropped without a message.
    void processInterfaceData(const QByteArray& data);
    // Queues the sections of a project file; false when the file could not be read.
    bool readKPJFile(const QString& path);
    // Reads a section description file into the section's sheets, and queues the elements it lists whose
    // kinds are in types. False when the file could not be used at all; the sheets are then untouched.
    bool readVSQFile(const QString& path, Section* section, const QList<Elements::TYPE>& types);

    // One element each; basePath is put in front of the file references inside the element.
    void readPoint(const QDomElement& element);
    void readSection(const QDomElement& element, const QString& basePath);
    void readVectorLines(const QDomElement& element);
    void readTicket(const QDomElement& element);
    void readViewport(const QDomElement& element);
    void readMerger(const QDomElement& element, const QString& basePath);
    // The first three numbers of the element's leading text. False, with the point left alone, when the
    // text holds fewer than three: the item it positions is then left out by the caller.
    static bool extractPoint(const QDomElement& element, Point3d* point);

protected:
    // Called on the watcher thread after the interface file was read, before it is judged and deleted.
    // A seam for tests that must change the file in exactly that moment.
    virtual void interfaceFileWasRead() {}
    // Called on the watcher thread at the end of every poll cycle, whatever the cycle found. A seam for
    // tests that must see the watcher look again before they can tell that it left a file alone.
    virtual void pollCycleEnded() {}
    // Called on the watcher thread once a batch is taken (its file deleted, or found undeletable), before
    // its elements are read. A seam for tests that must hold the watcher inside the processing of a batch.
    virtual void interfaceFileWasConsumed() {}

private:
    enum class Removal { Removed, Changed, Failed, Stopped };

    void readInterfaceFile();
    void consumeInterfaceFile();
    Removal removeInterfaceFile(const FileStamp& stamp);
    // Sleeps, but wakes at once when a stop is requested; false when it was.
    bool pause(int milliseconds);
    int pollPeriod() const;

    void processInterfaceDocument(const QDomDocument& document);
    // Walks the element children of "Elements", handing each whose kind is in types to its reader.
    void readElements(const QDomElement& elements, const QString& basePath,
                      const QList<Elements::TYPE>& types);
    void readElement(const QDomElement& element, const QString& basePath, const QList<Elements::TYPE>& types);
    void append(Element&& element);

    QString fileName_;
    QFile file_;
    QString projectPath_;
    Elements* elements_;
    std::atomic<bool> stopRequested_{true};
    std::atomic<bool> running_{false};

    // Serialises startThread and stopThread, so the one thread object is never started or joined twice.
    std::mutex lifecycleMutex_;
    std::thread thread_;
    std::mutex pauseMutex_;
    std::condition_variable wakeUp_;

    // Watcher thread only. A file that could not be deleted, or not opened, is not handled again while
    // it stays as it was.
    std::optional<FileStamp> undeletable_;
    std::optional<FileStamp> unopenable_;

    // Section description files being read, outermost first, to stop a chain that leads back to itself.
    QStringList vsqChain_;
};

}  // namespace krx
