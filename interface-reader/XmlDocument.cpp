#include "interface-reader/XmlDocument.hpp"

#include "diagnostics/DebugSingleton.hpp"

#include <QFile>

#include <cstring>

namespace krx {
namespace {

struct Position {
    int line = 1;
    int column = 1;
};

// Line and column of a byte offset, counted the way the parser counts them (columns in bytes here; the
// message only has to lead a reader to the spot).
Position positionOf(const QByteArray& data, qsizetype offset) {
    Position position;
    for (qsizetype i = 0; i < offset && i < data.size(); ++i) {
        if (data[i] == '\n') {
            ++position.line;
            position.column = 1;
        } else {
            ++position.column;
        }
    }
    return position;
}

bool refuse(const QByteArray& data, qsizetype offset, const char* message, XmlError* error) {
    if (error != nullptr) {
        const Position position = positionOf(data, offset);
        error->message = QString::fromLatin1(message);
        error->line = position.line;
        error->column = position.column;
        error->refused = true;
    }
    return false;
}

qsizetype find(const QByteArray& data, qsizetype from, const char* what) {
    return data.indexOf(what, from);
}

// A quick pass over the markup, before the parser sees it: finds a document type declaration and counts
// nesting. It does not judge well-formedness; whatever it lets through the parser still checks.
bool scanMarkup(const QByteArray& data, XmlError* error) {
    const char* const begin = data.constData();
    const qsizetype size = data.size();
    int depth = 0;
    qsizetype i = 0;
    while (i < size) {
        const void* found = std::memchr(begin + i, '<', static_cast<std::size_t>(size - i));
        if (found == nullptr) {
            break;
        }
        const qsizetype open = static_cast<const char*>(found) - begin;
        auto startsWith = [&](const char* text) {
            const qsizetype length = static_cast<qsizetype>(std::strlen(text));
            return open + length <= size &&
                   std::memcmp(begin + open, text, static_cast<std::size_t>(length)) == 0;
        };
        qsizetype end = -1;
        if (startsWith("<!--")) {
            end = find(data, open + 4, "-->");
            end = end < 0 ? size : end + 3;
        } else if (startsWith("<![CDATA[")) {
            end = find(data, open + 9, "]]>");
            end = end < 0 ? size : end + 3;
        } else if (startsWith("<?")) {
            end = find(data, open + 2, "?>");
            end = end < 0 ? size : end + 2;
        } else if (startsWith("<!")) {
            // Outside comments and character data, "<!" can only open a declaration: DOCTYPE, or ENTITY and
            // the like inside one.
            return refuse(data, open, "document type declarations are not accepted", error);
        } else if (startsWith("</")) {
            --depth;
            const qsizetype close = data.indexOf('>', open + 2);
            end = close < 0 ? size : close + 1;
        } else {
            // A start tag: find its end, stepping over quoted attribute values, which may hold '>'.
            qsizetype j = open + 1;
            char quote = 0;
            for (; j < size; ++j) {
                const char c = begin[j];
                if (quote != 0) {
                    if (c == quote) {
                        quote = 0;
                    }
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            const bool selfClosing = j < size && j > open + 1 && begin[j - 1] == '/';
            if (!selfClosing && ++depth > kMaxXmlDepth) {
                return refuse(data, open, "elements are nested too deeply", error);
            }
            end = j < size ? j + 1 : size;
        }
        i = end;
    }
    return true;
}

// The markup scan reads bytes as ASCII, so it is only sound for encodings that keep ASCII as it is.
// Sorvane writes UTF-8; a text in UTF-16 or UTF-32 always holds zero bytes, and any other encoding must
// be declared.
bool hasAsciiCompatibleEncoding(const QByteArray& data, XmlError* error) {
    if (data.contains('\0')) {
        return refuse(data, data.indexOf('\0'), "only UTF-8 documents are accepted", error);
    }
    qsizetype start = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (data.mid(start, 5) != "<?xml") {
        return true;
    }
    const qsizetype declarationEnd = data.indexOf("?>", start);
    const QByteArray declaration = data.mid(start, declarationEnd < 0 ? -1 : declarationEnd - start);
    const qsizetype keyword = declaration.indexOf("encoding");
    if (keyword < 0) {
        return true;
    }
    qsizetype i = keyword + 8;
    while (i < declaration.size() &&
           (declaration[i] == ' ' || declaration[i] == '=' || declaration[i] == '\t' ||
            declaration[i] == '\r' || declaration[i] == '\n')) {
        ++i;
    }
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) {
        return true;  // malformed declaration: the parser rejects it
    }
    const char quote = declaration[i];
    const qsizetype valueEnd = declaration.indexOf(quote, i + 1);
    const QByteArray value = declaration.mid(i + 1, valueEnd < 0 ? -1 : valueEnd - i - 1).toLower();
    if (value == "utf-8" || value == "utf8" || value == "us-ascii" || value == "ascii" ||
        value == "iso-8859-1" || value == "latin1") {
        return true;
    }
    return refuse(data, start + keyword, "only UTF-8 documents are accepted", error);
}

}  // namespace

bool parseXmlDocument(const QByteArray& data, QDomDocument& document, XmlError* error) {
    if (!hasAsciiCompatibleEncoding(data, error) || !scanMarkup(data, error)) {
        document.clear();
        return false;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(data, false, &message, &line, &column)) {
        if (error != nullptr) {
            error->message = message.isEmpty() ? QStringLiteral("not well-formed") : message;
            error->line = line;
            error->column = column;
            error->refused = false;
        }
        return false;
    }
    return true;
}

bool readXmlFile(const QFileInfo& info, QDomDocument& document) {
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        DebugSingleton::instance().log() << "Error while reading file!" << std::endl;
        return false;
    }
    const QByteArray data = file.readAll();
    file.close();
    return parseXmlDocument(data, document);
}

}  // namespace krx
