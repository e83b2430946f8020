#include "interface-reader/SorvaneXMLFileParser.hpp"

#include "interface-reader/XmlDocument.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "settings/Settings.hpp"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <chrono>
#include <cmath>
#include <exception>
#include <limits>
#include <system_error>

namespace krx {
namespace {

QString interfaceFilePathFor(const QString& path) {
    const QString fileName = QString::fromLatin1(SorvaneXMLFileParser::kInterfaceFileName);
    if (path.isEmpty()) {
        const QStringList homes = QStandardPaths::standardLocations(QStandardPaths::HomeLocation);
        const QString home = homes.isEmpty() ? QDir::homePath() : homes.first();
        return QStringLiteral("%1/%2").arg(home, QStringLiteral(".Korvex/") + fileName);
    }
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))) {
        return path + fileName;
    }
    if (path.endsWith(fileName)) {
        return path;
    }
    return path + QLatin1Char('/') + fileName;
}

const char* typeName(Elements::TYPE type) {
    switch (type) {
        case Elements::POINT:
            return "point";
        case Elements::TICKET:
            return "ticket";
        case Elements::VIEWPORT:
            return "viewport";
        case Elements::SECTION:
            return "section";
        case Elements::VECTORIZERGROUP:
            return "vectorizergroup";
        case Elements::MERGER:
            return "merger";
    }
    return "";
}

const QList<Elements::TYPE> kAllTypes = {Elements::POINT,   Elements::TICKET, Elements::VIEWPORT,
                                         Elements::SECTION, Elements::MERGER, Elements::VECTORIZERGROUP};

}  // namespace

SorvaneXMLFileParser::SorvaneXMLFileParser(Elements* elements, const QString& path)
    : fileName_(interfaceFilePathFor(path)), file_(fileName_), elements_(elements) {}

SorvaneXMLFileParser::~SorvaneXMLFileParser() {
    stopThread();
}

void SorvaneXMLFileParser::startThread() {
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    if (thread_.joinable()) {
        if (running_) {
            DebugSingleton::instance().log()
                << "Thread is already running, don't start new thread" << std::endl;
            return;
        }
        // The thread left its loop on its own; collect it before starting the next one.
        thread_.join();
    }
    {
        std::lock_guard<std::mutex> lock(pauseMutex_);
        stopRequested_ = false;
    }
    // Set here and not by the thread, so that a stopThread() or startThread() right after this call
    // sees a running watcher.
    running_ = true;
    try {
        thread_ = std::thread([this] { readInterfaceFile(); });
    } catch (const std::system_error& error) {
        running_ = false;
        stopRequested_ = true;
        DebugSingleton::instance().log()
            << "Could not start the interface file thread: " << error.what() << std::endl;
    }
}

void SorvaneXMLFileParser::stopThread() {
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    {
        std::lock_guard<std::mutex> lock(pauseMutex_);
        stopRequested_ = true;
    }
    wakeUp_.notify_all();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        thread_.join();
    }
}

bool SorvaneXMLFileParser::threadIsRunning() const {
    return running_;
}

bool SorvaneXMLFileParser::pause(int milliseconds) {
    std::unique_lock<std::mutex> lock(pauseMutex_);
    return !wakeUp_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                             [this] { return stopRequested_.load(); });
}

int SorvaneXMLFileParser::pollPeriod() const {
    const double period = _krxsettings_.numberValue("interfaceFileCheckTimerMS");
    if (!std::isfinite(period) || period <= 0.0) {
        return 0;
    }
    if (period >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(period);
}

void SorvaneXMLFileParser::processInterfaceData(const QByteArray& data) {
    QDomDocument document;
    if (!parseXmlDocument(data, document)) {
        return;
    }
    processInterfaceDocument(document);
}

void SorvaneXMLFileParser::processInterfaceDocument(const QDomDocument& document) {
    const QDomElement root = document.documentElement();
    const QDomElement filePath =
        root.firstChildElement(QStringLiteral("Project")).firstChildElement(QStringLiteral("FilePath"));
    if (!filePath.isNull()) {
        const QString path = filePath.text();
        if (filePath.attribute(QStringLiteral("type")) == QLatin1String("kpj") && path != projectPath_ &&
            _krxsettings_.boolValue("parseCompleteKPJOnFirstLoad")) {
            projectPath_ = path;
            DebugSingleton::instance().log() << "Start parsing KPJ file" << std::endl;
            readKPJFile(projectPath_);
        }
    }
    readElements(root.firstChildElement(QStringLiteral("Elements")), QString(), kAllTypes);
}

bool SorvaneXMLFileParser::readKPJFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.suffix().toLower() != QLatin1String("kpj")) {
        return false;
    }
    QDomDocument document;
    if (!readXmlFile(info, document)) {
        return false;
    }
    // References in the project file are relative to its own folder.
    const QString basePath = info.absolutePath() + QLatin1Char('/');
    readElements(document.documentElement().firstChildElement(QStringLiteral("Elements")), basePath,
                 {Elements::SECTION});
    return true;
}

void SorvaneXMLFileParser::readElements(const QDomElement& elements, const QString& basePath,
                                        const QList<Elements::TYPE>& types) {
    // A node that is not an element, a comment for instance, ends the walk: that is how Sorvane's files
    // have always been read.
    for (QDomElement child = elements.firstChild().toElement(); !child.isNull();
         child = child.nextSibling().toElement()) {
        readElement(child, basePath, types);
    }
}

void SorvaneXMLFileParser::readElement(const QDomElement& element, const QString& basePath,
                                       const QList<Elements::TYPE>& types) {
    const QString type = element.attribute(QStringLiteral("type"));
    for (const Elements::TYPE kind : types) {
        if (type != QLatin1String(typeName(kind))) {
            continue;
        }
        // One broken element must not cost the rest of the batch.
        try {
            switch (kind) {
                case Elements::POINT:
                    readPoint(element);
                    break;
                case Elements::SECTION:
                    readSection(element, basePath);
                    break;
                case Elements::VECTORIZERGROUP:
                    readVectorLines(element);
                    break;
                case Elements::TICKET:
                    readTicket(element);
                    break;
                case Elements::VIEWPORT:
                    readViewport(element);
                    break;
                case Elements::MERGER:
                    readMerger(element, basePath);
                    break;
            }
        } catch (const std::exception& error) {
            DebugSingleton::instance().log() << "Reading an element of type " << typeName(kind)
                                             << " failed: " << error.what() << std::endl;
        } catch (...) {
            DebugSingleton::instance().log()
                << "Reading an element of type " << typeName(kind) << " failed" << std::endl;
        }
        return;
    }
}

void SorvaneXMLFileParser::append(Element&& element) {
    if (elements_ != nullptr) {
        elements_->appendElement(std::move(element));
    }
}

}  // namespace krx
