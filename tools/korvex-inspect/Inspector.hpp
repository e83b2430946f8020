#pragma once

#include "interchange/Elements.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"

#include <QString>

#include <ostream>

namespace krx::inspect {

// Reads files with the add-on's own readers, without consuming them, and prints every element they queue
// as one JSON line. One parser object serves all files, in order, so that a project file named by two
// interface files is parsed once, as in the add-on.
class Inspector {
public:
    enum class Kind { InterfaceFile, ProjectFile, SectionDescriptionFile };

    Inspector(std::ostream& out, std::ostream& err);

    // By suffix: ".kpj" a project file, ".vsq" a section description file, anything else an interface
    // file; a file with the interface file's own name is an interface file whatever its suffix says.
    static Kind kindOf(const QString& path);

    // False, with a message on the error stream, when the file could not be read or is not well-formed.
    bool inspect(const QString& path);

private:
    bool readFile(const QString& path, QByteArray* data);
    bool checkWellFormed(const QString& path, const QByteArray& data);
    void printQueued();

    std::ostream& out_;
    std::ostream& err_;
    Elements elements_;
    SorvaneXMLFileParser parser_;
};

}  // namespace krx::inspect
