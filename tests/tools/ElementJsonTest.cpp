#include "tools/korvex-inspect/ElementJson.hpp"
#include "tools/korvex-inspect/JsonWriter.hpp"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace krx::inspect {
namespace {

QJsonObject parseObject(const std::string& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << line;
    EXPECT_TRUE(document.isObject()) << line;
    return document.object();
}

// The keys of the object in the order the line writes them; QJsonObject sorts, so read the raw text.
QStringList keysInWrittenOrder(const std::string& line, const QJsonObject& object) {
    QList<std::pair<qsizetype, QString>> positions;
    const QString text = QString::fromStdString(line);
    for (const QString& key : object.keys()) {
        positions.append({text.indexOf("\"" + key + "\":"), key});
    }
    std::sort(positions.begin(), positions.end());
    QStringList keys;
    for (const auto& position : positions) {
        keys << position.second;
    }
    return keys;
}

std::vector<double> numbers(const QJsonValue& value) {
    std::vector<double> out;
    for (const QJsonValue& v : value.toArray()) {
        out.push_back(v.toDouble());
    }
    return out;
}

Sheet colorSheet() {
    Sheet sheet;
    sheet.type = Sheet::COLOR;
    sheet.resolution = 0.005;
    for (unsigned i = 0; i < 16; ++i) {
        sheet.projectionMatrix.getArray()[i] = i + 0.25;
    }
    Tile tile;
    tile.id = 7;
    tile.filePath = "/d/tiles/c7.png";
    tile.cornerLeftUpper = Point3d(1, 2, 3);
    tile.cornerLeftBottom = Point3d(4, 5, 6);
    tile.cornerRightUpper = Point3d(7, 8, 9);
    tile.cornerRightBottom = Point3d(10, 11, 12);
    tile.projectedLeftUpper = Point3d(-1, -2, -3);
    tile.projectedLeftBottom = Point3d(-4, -5, -6);
    tile.projectedRightUpper = Point3d(-7, -8, -9);
    tile.projectedRightBottom = Point3d(-10, -11, -12);
    sheet.tiles.push_back(tile);
    return sheet;
}

TEST(ElementJson, EveryKindWritesItsKeysInTheFixedOrder) {
    HPoint point;
    point.setId("P1");
    point.setNumber(3);
    point.setPoint3d(Point3d(1, 2.5, -3));
    point.setOrigin(Point3d(10, 20, 30));

    Section section;
    section.setName("North");
    section.setUUID("{11111111-2222-3333-4444-555555555555}");
    section.setVsqPath("/d/north.vsq");
    section.setIsProcessed(true);
    section.setControls(Point3d(1, 0, 3), Point3d(-1, 0, 3), Point3d(0, 1, 3), Point3d(0, -1, 3),
                        Point3d(0, 0, 6), Point3d(0, 0, 0));
    section.setSheets({colorSheet()});

    Merger merger;
    merger.setName("M");
    merger.setParentUUID("{p}");
    merger.setSheets({colorSheet()});

    Ticket ticket;
    ticket.setUUID("{t}");

    Viewport viewport;
    viewport.setCamType(Viewport::ORTHOGRAPHIC);
    viewport.setFov(45);
    viewport.setVisRect({10, 20, 110, 70});

    Vectorizer group;
    group.setName("edges");
    group.setLines({Line(Point3d(0, 0, 0), Point3d(1, 1, 1))});

    struct Case {
        Element element;
        QStringList keys;
    };
    const Case cases[] = {
        {point, {"kind", "id", "number", "point3d", "origin"}},
        {section,
         {"kind", "name", "UUID", "vsqPath", "isLayout", "isProcessed", "controlPX", "controlNX", "controlPY",
          "controlNY", "controlPZ", "controlNZ", "sheets"}},
        {merger, {"kind", "name", "UUID", "parentUUID", "isProcessed", "sheets"}},
        {ticket, {"kind", "UUID", "status"}},
        {viewport, {"kind", "camType", "fov", "world", "visRect"}},
        {group, {"kind", "name", "lines"}},
    };
    for (const auto& c : cases) {
        const std::string line = elementToJson(c.element);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        const QJsonObject object = parseObject(line);
        EXPECT_EQ(keysInWrittenOrder(line, object), c.keys) << line;
    }

    // Sheets and tiles, in full: their key order is fixed as well.
    EXPECT_EQ(
        vsqReportToJson("/d/north.vsq", true, {colorSheet()}),
        R"({"kind":"vsq","path":"/d/north.vsq","ok":true,"sheets":[{"type":"color","resolution":0.005,)"
        R"("projectionMatrix":[0.25,1.25,2.25,3.25,4.25,5.25,6.25,7.25,8.25,9.25,10.25,11.25,12.25,13.25,)"
        R"(14.25,15.25],"tiles":[{"id":7,"filePath":"/d/tiles/c7.png","cornerLeftUpper":[1,2,3],)"
        R"("cornerLeftBottom":[4,5,6],"cornerRightUpper":[7,8,9],"cornerRightBottom":[10,11,12],)"
        R"("projectedLeftUpper":[-1,-2,-3],"projectedLeftBottom":[-4,-5,-6],"projectedRightUpper":[-7,-8,-9],)"
        R"("projectedRightBottom":[-10,-11,-12]}]}]})");
}

TEST(ElementJson, ValuesAreTheRecordsOwn) {
    Section section;
    section.setName("North");
    section.setIsLayout(true);
    section.setControls(Point3d(1, 0, 3), Point3d(-1, 0, 3), Point3d(0, 1, 3), Point3d(0, -1, 3),
                        Point3d(0, 0, 6), Point3d(0, 0, -0.5));
    section.setSheets({colorSheet()});
    const QJsonObject object = parseObject(elementToJson(section));
    EXPECT_EQ(object["kind"].toString(), "section");
    EXPECT_EQ(object["UUID"].toString(), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_EQ(object["vsqPath"].toString(), "");
    EXPECT_TRUE(object["isLayout"].toBool());
    EXPECT_FALSE(object["isProcessed"].toBool());
    EXPECT_EQ(numbers(object["controlNX"]), (std::vector<double>{-1, 0, 3}));
    EXPECT_EQ(numbers(object["controlNZ"]), (std::vector<double>{0, 0, -0.5}));
    const QJsonObject sheet = object["sheets"].toArray().at(0).toObject();
    EXPECT_EQ(sheet["type"].toString(), "color");
    EXPECT_EQ(sheet["resolution"].toDouble(), 0.005);
    const std::vector<double> matrix = numbers(sheet["projectionMatrix"]);
    ASSERT_EQ(matrix.size(), 16u);
    EXPECT_EQ(matrix[0], 0.25);
    EXPECT_EQ(matrix[3], 3.25);  // row order: the translation column comes fourth
    EXPECT_EQ(matrix[15], 15.25);
    const QJsonObject tile = sheet["tiles"].toArray().at(0).toObject();
    EXPECT_EQ(tile["id"].toInt(), 7);
    EXPECT_EQ(tile["filePath"].toString(), "/d/tiles/c7.png");
    EXPECT_EQ(numbers(tile["cornerRightBottom"]), (std::vector<double>{10, 11, 12}));
    EXPECT_EQ(numbers(tile["projectedLeftBottom"]), (std::vector<double>{-4, -5, -6}));

    Sheet unknown;
    Merger merger;
    merger.setSheets({unknown});
    const QJsonObject mergerSheet = parseObject(elementToJson(merger))["sheets"].toArray().at(0).toObject();
    EXPECT_EQ(mergerSheet["type"].toString(), "unknown");
    EXPECT_TRUE(mergerSheet["tiles"].toArray().isEmpty());

    Ticket ticket;
    ticket.setUUID("{t}");
    EXPECT_EQ(elementToJson(ticket), R"({"kind":"ticket","UUID":"{t}","status":"remove"})");

    Viewport viewport;
    viewport.setCamType(Viewport::PROJECTIVE);
    viewport.setVisRect({10, 20, 110, 70});
    Matrix4d world;
    world(0, 3) = 5;
    viewport.setWorld(world);
    const QJsonObject view = parseObject(elementToJson(viewport));
    EXPECT_EQ(view["camType"].toString(), "projective");
    EXPECT_EQ(numbers(view["visRect"]), (std::vector<double>{10, 20, 110, 70}));
    EXPECT_EQ(numbers(view["world"])[3], 5);

    EXPECT_EQ(vsqReportToJson("a.vsq", false, {}), R"({"kind":"vsq","path":"a.vsq","ok":false,"sheets":[]})");
}

TEST(JsonWriter, NumbersReadBackToTheSameDouble) {
    const double cases[] = {0.0,
                            -0.0,
                            0.1,
                            1.0 / 3.0,
                            -2.5,
                            123456789.123456789,
                            1e-300,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::max(),
                            -std::numeric_limits<double>::max(),
                            9007199254740993.0,
                            2147483648.0};
    for (const double d : cases) {
        const std::string text = JsonWriter::numberText(d);
        char* end = nullptr;
        const double back = std::strtod(text.c_str(), &end);
        EXPECT_EQ(*end, '\0') << text;
        EXPECT_EQ(back, d) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(d)) << text;
        // Valid JSON as a whole document too, and the JSON reader gets the same value.
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + text + "]"));
        EXPECT_EQ(doc.array().at(0).toDouble(), d) << text;
    }
    // JSON has no NaN or infinity; a reader fed "nan" or "inf" must still get a valid line.
    EXPECT_EQ(JsonWriter::numberText(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonWriter::numberText(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonWriter::numberText(-std::numeric_limits<double>::infinity()), "null");
}

TEST(JsonWriter, TextsAreEscapedUtf8) {
    struct Case {
        std::string text;
        std::string literal;
    };
    const Case cases[] = {
        {"plain", R"("plain")"},
        {"Stra\xC3\x9F"
         "e \xE2\x82\xAC \xF0\x9F\x98\x80",
         "\"Stra\xC3\x9F"
         "e \xE2\x82\xAC \xF0\x9F\x98\x80\""},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"l1\nl2\tt\r", R"("l1\nl2\tt\r")"},
        {std::string("nul\0x\x01\x1F\x7F", 8), R"("nul\u0000x\u0001\u001f\u007f")"},
        // Invalid UTF-8 never reaches the output: a lone continuation byte, a truncated sequence, an
        // overlong slash, an encoded surrogate.
        {"a\x80z", "\"a\xEF\xBF\xBDz\""},
        {"a\xC3", "\"a\xEF\xBF\xBD\""},
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    };
    for (const auto& c : cases) {
        const std::string literal = JsonWriter::stringLiteral(c.text);
        EXPECT_EQ(literal, c.literal);
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + literal + "]"));
        EXPECT_TRUE(doc.isArray()) << literal;
    }

    HPoint point;
    point.setId("H\xC3\xB6he \"1\"");
    EXPECT_EQ(parseObject(elementToJson(point))["id"].toString(), QString::fromUtf8("H\xC3\xB6he \"1\""));
}

}  // namespace
}  // namespace krx::inspect
