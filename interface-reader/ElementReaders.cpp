// The readers of SorvaneXMLFileParser for single elements: one XML element in, one record queued.

#include "interface-reader/SorvaneXMLFileParser.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "interface-reader/XmlValues.hpp"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace krx {
namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

bool isDone(const QDomElement& element) {
    return element.firstChildElement(QStringLiteral("Process")).attribute(QStringLiteral("status")) ==
           QLatin1String("done");
}

}  // namespace

bool SorvaneXMLFileParser::extractPoint(const QDomElement& element, Point3d* point) {
    const QString data = element.firstChild().toText().data().trimmed();
    return pointFromParts(data.split(QLatin1Char(' '), Qt::SkipEmptyParts), point);
}

void SorvaneXMLFileParser::readPoint(const QDomElement& element) {
    HPoint point;
    point.setId(utf8(element.attribute(QStringLiteral("name"), QStringLiteral("undefined"))));
    const QDomElement geometry = element.firstChildElement(QStringLiteral("Geometry"));
    point.setNumber(readInteger(geometry.attribute(QStringLiteral("number"), QStringLiteral("-1"))));

    Point3d position;
    Point3d origin;
    const bool hasPosition = extractPoint(
        geometry.firstChildElement(QStringLiteral("Shape")).firstChildElement(QStringLiteral("Point3d")),
        &position);
    const bool hasOrigin = extractPoint(geometry.firstChildElement(QStringLiteral("Origin3d")), &origin);
    if (!hasPosition || !hasOrigin) {
        DebugSingleton::instance().log()
            << "Height point without three numbers for its " << (hasPosition ? "origin" : "position")
            << ", not queued: " << point.id() << std::endl;
        return;
    }
    point.setPoint3d(position);
    point.setOrigin(origin);
    append(std::move(point));
}

void SorvaneXMLFileParser::readSection(const QDomElement& element, const QString& basePath) {
    Section section;
    section.setName(utf8(element.attribute(QStringLiteral("name"), QStringLiteral("undefined"))));
    section.setUUID(utf8(element.attribute(QStringLiteral("uuid"), QString::fromLatin1(kNullUUID))));
    const QDomElement process = element.firstChildElement(QStringLiteral("Process"));
    section.setIsProcessed(process.attribute(QStringLiteral("status")) == QLatin1String("done"));

    const QDomElement references = process.firstChildElement(QStringLiteral("References"));
    for (QDomElement reference = references.firstChild().toElement(); !reference.isNull();
         reference = reference.nextSibling().toElement()) {
        if (reference.attribute(QStringLiteral("type")) == QLatin1String("vsq")) {
            section.setVsqPath(utf8(basePath + reference.firstChild().toText().data()));
            break;
        }
    }

    // Order in the record: PX, NX, PY, NY, PZ, NZ.
    std::array<Point3d, 6> controls;
    static const std::array<const char*, 6> kControlTypes = {"PX", "NX", "PY", "NY", "PZ", "NZ"};
    const QDomElement controlsElement =
        element.firstChildElement(QStringLiteral("Geometry")).firstChildElement(QStringLiteral("Controls"));
    for (QDomElement control = controlsElement.firstChildElement(QStringLiteral("Point3d"));
         !control.isNull(); control = control.nextSibling().toElement()) {
        const QString type = control.attribute(QStringLiteral("type"));
        for (std::size_t i = 0; i < kControlTypes.size(); ++i) {
            if (type != QLatin1String(kControlTypes[i])) {
                continue;
            }
            Point3d point;
            if (extractPoint(control, &point)) {
                controls[i] = point;
            } else {
                DebugSingleton::instance().log()
                    << "Control point " << kControlTypes[i]
                    << " without three numbers, ignored: " << section.name() << std::endl;
            }
            break;
        }
    }
    section.setControls(controls[0], controls[1], controls[2], controls[3], controls[4], controls[5]);

    const double height = round9(controls[0].z());
    section.setIsLayout(height == round9(controls[1].z()) && height == round9(controls[2].z()) &&
                        height == round9(controls[3].z()));

    if (section.isProcessed()) {
        // Sections and mergers listed in the description file are queued before this section.
        if (!readVSQFile(QString::fromStdString(section.vsqPath()), &section,
                         {Elements::SECTION, Elements::MERGER})) {
            DebugSingleton::instance().log() << "Reading the VSQ file failed" << std::endl;
        }
    }
    append(std::move(section));
}

void SorvaneXMLFileParser::readVectorLines(const QDomElement& element) {
    if (!isDone(element)) {
        return;
    }
    Vectorizer vectorizer;
    vectorizer.setName(utf8(element.attribute(QStringLiteral("name"))));

    const QDomElement geometry = element.firstChildElement(QStringLiteral("Geometry"));
    std::vector<std::pair<int, Point3d>> points;
    for (QDomElement pointElement = geometry.firstChildElement(QStringLiteral("Point3d"));
         !pointElement.isNull(); pointElement = pointElement.nextSiblingElement(QStringLiteral("Point3d"))) {
        const int id = readInteger(pointElement.attribute(QStringLiteral("id"), QStringLiteral("0")));
        Point3d point;
        if (!extractPoint(pointElement, &point)) {
            DebugSingleton::instance().log()
                << "Vectorizer point without three numbers, ignored: " << id << std::endl;
            continue;
        }
        points.emplace_back(id, point);
    }
    auto findPoint = [&points](int id) {
        return std::find_if(points.begin(), points.end(),
                            [id](const auto& entry) { return entry.first == id; });
    };

    std::vector<Line> lines;
    const QDomElement group = geometry.firstChildElement(QStringLiteral("Group"));
    for (QDomElement line = group.firstChildElement(QStringLiteral("Line")); !line.isNull();
         line = line.nextSiblingElement(QStringLiteral("Line"))) {
        const int pref1 = readInteger(line.attribute(QStringLiteral("pref1"), QStringLiteral("0")));
        const int pref2 = readInteger(line.attribute(QStringLiteral("pref2"), QStringLiteral("0")));
        const auto start = findPoint(pref1);
        if (start == points.end()) {
            DebugSingleton::instance().log()
                << "Index1 not found of vectorizer point..." << pref1 << std::endl;
            continue;
        }
        const auto end = findPoint(pref2);
        if (end == points.end()) {
            DebugSingleton::instance().log()
                << "Index2 not found of vectorizer point..." << pref2 << std::endl;
            continue;
        }
        lines.emplace_back(start->second, end->second);
    }
    vectorizer.setLines(lines);
    append(std::move(vectorizer));
}

void SorvaneXMLFileParser::readTicket(const QDomElement& element) {
    const QDomElement remove = element.firstChildElement(QStringLiteral("Remove"));
    if (remove.isNull()) {
        return;
    }
    Ticket ticket;
    ticket.setUUID(utf8(remove.text()));
    ticket.setStatus(Ticket::REMOVE);
    append(std::move(ticket));
}

void SorvaneXMLFileParser::readViewport(const QDomElement& element) {
    auto& log = DebugSingleton::instance().log();
    const QDomElement geometry = element.firstChildElement(QStringLiteral("Geometry"));
    if (geometry.isNull()) {
        log << "No domGeometry" << std::endl;
        return;
    }
    const QDomElement camera = geometry.firstChildElement(QStringLiteral("Camera"));
    if (camera.isNull()) {
        log << "No domCamera" << std::endl;
        return;
    }
    Viewport viewport;
    viewport.setCamType(Viewport::cameraTypeStr2CameraType(
        utf8(camera.attribute(QStringLiteral("cameratype"), QStringLiteral("none")))));
    viewport.setFov(readNumber(camera.attribute(QStringLiteral("fov"), QStringLiteral("0.0"))));

    const QDomElement motion = camera.firstChildElement(QStringLiteral("Motion"));
    if (motion.isNull()) {
        log << "No Motion Dom" << std::endl;
        return;
    }
    const QStringList worldParts = splitAtBlanks(motion.text());
    if (worldParts.size() != 16) {
        log << "Size missmatch of worldM Matrix: " << worldParts.size() << std::endl;
        return;
    }
    Matrix4d world;
    for (int i = 0; i < 16; ++i) {
        world.getArray()[static_cast<std::size_t>(i)] = readNumber(worldParts[i]);
    }
    viewport.setWorld(world);

    const QDomElement visibleRect = camera.firstChildElement(QStringLiteral("VisibleRect"));
    if (visibleRect.isNull()) {
        log << "No VisibleRect Dom" << std::endl;
        return;
    }
    const QStringList rectParts = splitAtBlanks(visibleRect.text());
    if (rectParts.size() != 4) {
        log << "Size missmatch Visible Rect: " << rectParts.size() << std::endl;
        return;
    }
    // The file gives a corner and a size; the record keeps both corners.
    const double x = readNumber(rectParts[0]);
    const double y = readNumber(rectParts[1]);
    viewport.setVisRect({x, y, x + readNumber(rectParts[2]), y + readNumber(rectParts[3])});
    append(std::move(viewport));
}

void SorvaneXMLFileParser::readMerger(const QDomElement& element, const QString& basePath) {
    Merger merger;
    merger.setIsProcessed(isDone(element));
    merger.setName(utf8(element.attribute(QStringLiteral("name"), QStringLiteral("undefined"))));
    merger.setUUID(utf8(element.attribute(QStringLiteral("uuid"), QString::fromLatin1(kNullUUID))));
    merger.setParentUUID(utf8(element.attribute(QStringLiteral("parents"), QString::fromLatin1(kNullUUID))));

    double minU = std::numeric_limits<double>::max();
    double maxU = std::numeric_limits<double>::lowest();
    double minV = std::numeric_limits<double>::max();
    double maxV = std::numeric_limits<double>::lowest();
    bool hasShape = false;
    const QDomElement shape =
        element.firstChildElement(QStringLiteral("Geometry")).firstChildElement(QStringLiteral("Shape"));
    for (QDomElement point = shape.firstChildElement(QStringLiteral("Point3d")); !point.isNull();
         point = point.nextSiblingElement(QStringLiteral("Point3d"))) {
        const double u = readNumber(point.attribute(QStringLiteral("u"), QStringLiteral("0")));
        const double v = readNumber(point.attribute(QStringLiteral("v"), QStringLiteral("0")));
        minU = std::min(minU, u);
        maxU = std::max(maxU, u);
        minV = std::min(minV, v);
        maxV = std::max(maxV, v);
        hasShape = true;
    }
    if (!hasShape) {
        // Without a shape the rectangle would span the whole range of doubles; place the images at the
        // origin instead.
        DebugSingleton::instance().log()
            << "Merger without shape points, its images get an empty rectangle: " << merger.name()
            << std::endl;
        minU = maxU = minV = maxV = 0.0;
    }

    std::vector<Sheet> sheets;
    const QDomElement sheetsElement =
        element.firstChildElement(QStringLiteral("Process")).firstChildElement(QStringLiteral("Sheets"));
    for (QDomElement sheetElement = sheetsElement.firstChildElement(QStringLiteral("Sheet"));
         !sheetElement.isNull(); sheetElement = sheetElement.nextSiblingElement(QStringLiteral("Sheet"))) {
        Sheet sheet;
        sheet.type = Sheet::sheetTypeStr2SheetType(utf8(sheetElement.attribute(QStringLiteral("type"))));
        sheet.resolution = 0.0;
        Tile tile;
        tile.filePath = utf8(QFileInfo(basePath + sheetElement.text()).absoluteFilePath());
        tile.projectedLeftUpper = Point3d(minU, maxV, 0.0);
        tile.projectedLeftBottom = Point3d(minU, minV, 0.0);
        tile.projectedRightUpper = Point3d(maxU, maxV, 0.0);
        tile.projectedRightBottom = Point3d(maxU, minV, 0.0);
        tile.id = -1;
        sheet.tiles.push_back(std::move(tile));
        sheets.push_back(std::move(sheet));
    }
    merger.setSheets(sheets);
    append(std::move(merger));
}

}  // namespace krx
