// The reader of section description files: a section's sheets, their projection matrices and tiles, and
// the further elements the file lists.

#include "interface-reader/SorvaneXMLFileParser.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "interchange/Section.hpp"
#include "interface-reader/XmlDocument.hpp"
#include "interface-reader/XmlValues.hpp"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace krx {
namespace {

// Real files nest a few levels; the limit keeps a long chain of distinct files from exhausting the stack.
constexpr int kMaxVsqDepth = 32;

// Removes its file from the chain again however the read ends.
class ChainEntry {
public:
    ChainEntry(QStringList& chain, const QString& file) : chain_(chain) { chain_.append(file); }
    ~ChainEntry() { chain_.removeLast(); }
    ChainEntry(const ChainEntry&) = delete;
    ChainEntry& operator=(const ChainEntry&) = delete;

private:
    QStringList& chain_;
};

struct Corner {
    const char* element;
    Point3d Tile::*corner;
    Point3d Tile::*projected;
};

const std::array<Corner, 4> kCorners = {{
    {"CornerLeftUpper", &Tile::cornerLeftUpper, &Tile::projectedLeftUpper},
    {"CornerLeftBottom", &Tile::cornerLeftBottom, &Tile::projectedLeftBottom},
    {"CornerRightUpper", &Tile::cornerRightUpper, &Tile::projectedRightUpper},
    {"CornerRightBottom", &Tile::cornerRightBottom, &Tile::projectedRightBottom},
}};

// Appends text as UTF-8, as QString::toStdString converts it. Tile paths are ASCII nearly always, and a
// file holds thousands of them: those skip the temporary byte array.
void appendUtf8(QStringView text, std::string* out) {
    const char16_t* const chars = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i] >= 0x80) {
            const QByteArray utf8 = text.sliced(i).toUtf8();
            out->append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
            return;
        }
        out->push_back(static_cast<char>(chars[i]));
    }
}

// False, with a log line, for a tile with a corner of fewer than three numbers: such a tile is left out,
// as every item whose point text is incomplete. folderPrefix is the file's folder and "/", in UTF-8.
bool readTile(const QDomElement& element, const std::string& folderPrefix, const Matrix4d& projection,
              Tile* tile) {
    tile->id = readInteger(element.attribute(QStringLiteral("id"), QStringLiteral("0")));
    // One pass over the children instead of a search per child: a file holds thousands of tiles. As
    // everywhere, the first child of a name counts.
    QString filePath;
    bool hasFilePath = false;
    std::array<QString, 4> corners;
    std::array<bool, 4> hasCorner{};
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("FilePath")) {
            if (!hasFilePath) {
                filePath = elementText(child);
                hasFilePath = true;
            }
            continue;
        }
        for (std::size_t i = 0; i < kCorners.size(); ++i) {
            if (!hasCorner[i] && tag == QLatin1String(kCorners[i].element)) {
                corners[i] = elementText(child);
                hasCorner[i] = true;
                break;
            }
        }
    }
    // The file path carries a two-character prefix ("./") before the path relative to the file's folder.
    const QStringView relative = QStringView(filePath).sliced(std::min<qsizetype>(2, filePath.size()));
    tile->filePath.reserve(folderPrefix.size() + static_cast<std::size_t>(relative.size()));
    tile->filePath.assign(folderPrefix);
    appendUtf8(relative, &tile->filePath);
    for (std::size_t i = 0; i < kCorners.size(); ++i) {
        const Corner& corner = kCorners[i];
        Point3d point;
        if (!pointFromBlankSeparated(corners[i], &point)) {
            DebugSingleton::instance().log() << "Tile " << tile->id << " without three numbers in "
                                             << corner.element << ", tile left out" << std::endl;
            return false;
        }
        tile->*corner.corner = point;
        tile->*corner.projected = projection * point;
    }
    return true;
}

void readSheet(const QDomElement& element, const std::string& folderPrefix, std::vector<Sheet>* sheets) {
    const QString type = element.attribute(QStringLiteral("type"));
    const QStringList matrix =
        splitAtBlanks(element.firstChildElement(QStringLiteral("ProjectionMatrix")).text());
    if (matrix.size() != 16) {
        DebugSingleton::instance().log()
            << "Size missmatch of ProjectionMatrix: " << matrix.size() << std::endl;
        return;
    }
    if (type == QLatin1String("elevation")) {
        return;
    }
    Sheet sheet;
    sheet.type = Sheet::sheetTypeStr2SheetType(type.toStdString());
    sheet.resolution = readNumber(
        element.firstChildElement(QStringLiteral("TileGeometry")).attribute(QStringLiteral("resolution")));
    for (int i = 0; i < 16; ++i) {
        sheet.projectionMatrix.getArray()[static_cast<std::size_t>(i)] = readNumber(matrix[i]);
    }

    const QDomElement firstTile = element.firstChildElement(QStringLiteral("Tile"));
    if (firstTile.isNull()) {
        // Kept, so the file's sheets are all there; an import of it has no image to place.
        DebugSingleton::instance().log() << "Sheet without tiles: " << type.toStdString() << std::endl;
    }
    for (QDomNode node = firstTile; !node.isNull(); node = node.nextSibling()) {
        const QDomElement tileElement = node.toElement();
        if (tileElement.tagName() != QLatin1String("Tile")) {
            DebugSingleton::instance().log()
                << "Node after the tiles that is not a Tile, skipped: " << node.nodeName().toStdString()
                << std::endl;
            continue;
        }
        Tile tile;
        if (readTile(tileElement, folderPrefix, sheet.projectionMatrix, &tile)) {
            sheet.tiles.push_back(std::move(tile));
        }
    }
    sheets->push_back(std::move(sheet));
}

}  // namespace

bool SorvaneXMLFileParser::readVSQFile(const QString& path, Section* section,
                                       const QList<Elements::TYPE>& types) {
    auto& log = DebugSingleton::instance().log();
    const QFileInfo info(path);
    if (!info.exists() || info.suffix().toLower() != QLatin1String("vsq")) {
        log << "File does not exist: " << path.toStdString() << std::endl;
        return false;
    }
    if (section == nullptr) {
        log << "Section does not exist: " << path.toStdString() << std::endl;
        return false;
    }
    // A nested section whose file leads back to one being read would recurse without end.
    const QString identity = info.canonicalFilePath();
    if (vsqChain_.contains(identity)) {
        log << "Section description file leads back to itself, not read again: " << path.toStdString()
            << std::endl;
        return false;
    }
    if (vsqChain_.size() >= kMaxVsqDepth) {
        log << "Section description files nested too deeply, not read: " << path.toStdString() << std::endl;
        return false;
    }
    QDomDocument document;
    if (!readXmlFile(info, document)) {
        return false;
    }

    const QDomElement root = document.documentElement();
    const QDomElement elements = root.firstChildElement(QStringLiteral("Elements"));
    if (!elements.isNull() &&
        elements.parentNode().toElement().tagName() == QLatin1String("SelfDefinitionProperties")) {
        log << "We found SelfDefintiionProps --- ERROR" << std::endl;
        return false;
    }

    const QString folder = info.absolutePath();
    if (!types.isEmpty()) {
        const ChainEntry entry(vsqChain_, identity);
        readElements(elements, folder + QLatin1Char('/'), types);
    }

    // One pass at least, also without a "Sheets" element: that yields the one mismatch line callers know.
    std::vector<Sheet> sheets;
    const std::string folderPrefix = (folder + QLatin1Char('/')).toStdString();
    QDomNode node = root.firstChildElement(QStringLiteral("Sheets")).firstChild();
    do {
        readSheet(node.toElement(), folderPrefix, &sheets);
        node = node.nextSibling();
    } while (!node.isNull());
    section->setSheets(std::move(sheets));
    return true;
}

}  // namespace krx
