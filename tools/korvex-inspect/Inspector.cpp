#include "tools/korvex-inspect/Inspector.hpp"

#include "interchange/Section.hpp"
#include "interface-reader/XmlDocument.hpp"
#include "tools/korvex-inspect/ElementJson.hpp"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace krx::inspect {

namespace {

const char* const kToolName = "korvex-inspect: ";

}  // namespace

// The parser's own path would only matter to its thread, which the inspector never starts.
Inspector::Inspector(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), parser_(&elements_, QString()) {}

Inspector::Kind Inspector::kindOf(const QString& path) {
    const QFileInfo info(path);
    if (info.fileName() == QLatin1String(SorvaneXMLFileParser::kInterfaceFileName)) {
        return Kind::InterfaceFile;
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("kpj")) {
        return Kind::ProjectFile;
    }
    if (suffix == QLatin1String("vsq")) {
        return Kind::SectionDescriptionFile;
    }
    return Kind::InterfaceFile;
}

bool Inspector::readFile(const QString& path, QByteArray* data) {
    const QFileInfo info(path);
    if (info.isDir()) {
        err_ << kToolName << path.toStdString() << ": is a folder, not a file" << std::endl;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err_ << kToolName << path.toStdString() << ": cannot be read: " << file.errorString().toStdString()
             << std::endl;
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err_ << kToolName << path.toStdString() << ": cannot be read: " << file.errorString().toStdString()
             << std::endl;
        return false;
    }
    return true;
}

// The readers drop a file that is not well-formed without a word, as the add-on must; the tool is there to
// say why, so it asks the same parser first.
bool Inspector::checkWellFormed(const QString& path, const QByteArray& data) {
    if (data.isEmpty()) {
        err_ << kToolName << path.toStdString() << ": is empty, no XML document" << std::endl;
        return false;
    }
    QDomDocument document;
    XmlError error;
    if (parseXmlDocument(data, document, &error)) {
        return true;
    }
    err_ << kToolName << path.toStdString() << ':' << error.line << ':' << error.column << ": "
         << (error.refused ? "refused: " : "") << error.message.toStdString() << std::endl;
    return false;
}

void Inspector::printQueued() {
    while (const auto element = elements_.getElement()) {
        out_ << elementToJson(*element) << '\n';
    }
    out_.flush();
}

bool Inspector::inspect(const QString& path) {
    QByteArray data;
    if (!readFile(path, &data) || !checkWellFormed(path, data)) {
        return false;
    }
    bool ok = true;
    switch (kindOf(path)) {
        case Kind::InterfaceFile:
            parser_.processInterfaceData(data);
            printQueued();
            break;
        case Kind::ProjectFile:
            ok = parser_.readKPJFile(path);
            printQueued();
            if (!ok) {
                err_ << kToolName << path.toStdString() << ": not read as a project file (see the debug log)"
                     << std::endl;
            }
            break;
        case Kind::SectionDescriptionFile: {
            // As a processed section reads its description file: nested sections and mergers are queued.
            Section section;
            ok = parser_.readVSQFile(path, &section, {Elements::SECTION, Elements::MERGER});
            printQueued();
            out_ << vsqReportToJson(path.toStdString(), ok, section.sheets()) << std::endl;
            if (!ok) {
                err_ << kToolName << path.toStdString()
                     << ": not read as a section description file (see the debug log)" << std::endl;
            }
            break;
        }
    }
    return ok;
}

}  // namespace krx::inspect
