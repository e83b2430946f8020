#include "tests/fuzz/FuzzTargets.hpp"

#include "interchange/Elements.hpp"
#include "interchange/Section.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"
#include "settings/SettingKeys.hpp"
#include "settings/Settings.hpp"
#include "tools/korvex-inspect/ElementJson.hpp"

#include <QFile>

#include <cstdlib>
#include <string>

namespace krx::fuzz {

namespace {

const QList<Elements::TYPE> kAllTypes = {Elements::POINT,   Elements::TICKET,          Elements::VIEWPORT,
                                         Elements::SECTION, Elements::VECTORIZERGROUP, Elements::MERGER};

void drain(Elements& elements) {
    std::size_t length = 0;
    while (const auto element = elements.getElement()) {
        length += inspect::elementToJson(*element).size();
    }
    // Keeps the writer's work from being optimised away.
    if (length == 1) {
        std::abort();
    }
}

QString writeInput(const QByteArray& data, const QString& scratch, const char* name) {
    const QString path = scratch + "/" + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        std::abort();
    }
    return path;
}

}  // namespace

void readInterfaceData(const QByteArray& data) {
    // A project file named by the batch is followed too, as on a project's first load.
    _krxsettings_.setValue(settingkeys::kParseCompleteKPJOnFirstLoad, SettingValue(true));
    Elements elements;
    SorvaneXMLFileParser parser(&elements, QString());
    parser.processInterfaceData(data);
    drain(elements);
}

void readVsqFile(const QByteArray& data, const QString& scratch) {
    const QString path = writeInput(data, scratch, "input.vsq");
    Elements elements;
    SorvaneXMLFileParser parser(&elements, QString());
    Section section;
    parser.readVSQFile(path, &section, kAllTypes);
    section.setName("fuzz");
    elements.appendElement(Element(section));
    drain(elements);
}

void readKpjFile(const QByteArray& data, const QString& scratch) {
    const QString path = writeInput(data, scratch, "input.kpj");
    Elements elements;
    SorvaneXMLFileParser parser(&elements, QString());
    parser.readKPJFile(path);
    drain(elements);
}

}  // namespace krx::fuzz
