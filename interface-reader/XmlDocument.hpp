#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QFileInfo>
#include <QString>

namespace krx {

// Why a text was not taken as a document; line and column count from 1, 0 when unknown.
struct XmlError {
    QString message;
    int line = 0;
    int column = 0;
    // True when the text may well be XML but is refused for safety: a document type declaration (the door
    // to entity expansion and external entities) or nesting deeper than kMaxXmlDepth.
    bool refused = false;
};

inline constexpr int kMaxXmlDepth = 256;

// Every XML file from Sorvane is read through here. Its files never carry a document type declaration,
// so one is refused outright instead of trusting the parser's entity handling; deep nesting is refused
// because walking and freeing a document recurses once per level. No namespace processing.
bool parseXmlDocument(const QByteArray& data, QDomDocument& document, XmlError* error = nullptr);

// Reads a file that an interface file names (project or section description file) and parses it as
// above. Anything but a plain file counts as a file that cannot be opened, logged as such: opening a
// pipe could block the watcher thread for good, and with it stopThread().
bool readXmlFile(const QFileInfo& info, QDomDocument& document);

}  // namespace krx
