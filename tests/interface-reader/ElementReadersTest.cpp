#include "tests/interface-reader/ReaderTestSupport.hpp"

#include <QDomDocument>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace krx::test {
namespace {

using ElementReadersTest = ReaderTest;

void expectPoint(const Point3d& actual, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(actual.x(), x);
    EXPECT_DOUBLE_EQ(actual.y(), y);
    EXPECT_DOUBLE_EQ(actual.z(), z);
}

// The variant index of each queued element: 0 point, 1 merger, 2 ticket, 3 section, 4 vectorizer,
// 5 viewport.
std::vector<std::size_t> kinds(const std::vector<Element>& elements) {
    std::vector<std::size_t> result;
    for (const Element& element : elements) {
        result.push_back(element.index());
    }
    return result;
}

std::string pointXml(const std::string& name, int number) {
    return "<E type=\"point\" name=\"" + name + "\"><Geometry number=\"" + std::to_string(number) +
           "\"><Shape><Point3d>1 2 3</Point3d></Shape><Origin3d>0 0 0</Origin3d></Geometry></E>\n";
}

TEST_F(ElementReadersTest, HeightPointFieldsAndDefaults) {
    struct Case {
        const char* label;
        std::string element;
        bool queued;
        std::string id;
        int number;
        double x, y, z;
    };
    const Case cases[] = {
        {"complete",
         "<E type='point' name='P1'><Geometry number='7'><Shape><Point3d>1.5 -2 3e2</Point3d></Shape>"
         "<Origin3d>9 9 9</Origin3d></Geometry></E>",
         true, "P1", 7, 1.5, -2, 300},
        {"defaults",
         "<E type='point'><Geometry><Shape><Point3d>1 2 3</Point3d></Shape><Origin3d>0 0 0</Origin3d>"
         "</Geometry></E>",
         true, "undefined", -1, 1, 2, 3},
        {"number not an integer",
         "<E type='point' name='A'><Geometry number='abc'><Shape><Point3d>1 2 3</Point3d>"
         "</Shape><Origin3d>0 0 0</Origin3d></Geometry></E>",
         true, "A", 0, 1, 2, 3},
        {"blanks around and between, a fourth number ignored",
         "<E type='point' name='B'><Geometry number=' 4 '><Shape><Point3d>  1   2 3 4 </Point3d></Shape>"
         "<Origin3d>0 0 0</Origin3d></Geometry></E>",
         true, "B", 4, 1, 2, 3},
        {"a comma is no decimal separator, nan is no number",
         "<E type='point' name='C'><Geometry number='1'><Shape><Point3d>1,5 nan 2.5</Point3d></Shape>"
         "<Origin3d>0 0 0</Origin3d></Geometry></E>",
         true, "C", 1, 0, 0, 2.5},
        {"UTF-8 name",
         "<E type='point' name='H\xC3\xB6he'><Geometry number='1'><Shape><Point3d>1 2 3</Point3d>"
         "</Shape><Origin3d>0 0 0</Origin3d></Geometry></E>",
         true, "H\xC3\xB6he", 1, 1, 2, 3},
        {"two numbers only",
         "<E type='point' name='D'><Geometry number='1'><Shape><Point3d>1 2</Point3d></Shape>"
         "<Origin3d>0 0 0</Origin3d></Geometry></E>",
         false, "", 0, 0, 0, 0},
        {"no origin",
         "<E type='point' name='E'><Geometry number='1'><Shape><Point3d>1 2 3</Point3d></Shape>"
         "</Geometry></E>",
         false, "", 0, 0, 0, 0},
        {"position text after a child element",
         "<E type='point' name='F'><Geometry number='1'><Shape><Point3d><!-- x -->1 2 3</Point3d></Shape>"
         "<Origin3d>0 0 0</Origin3d></Geometry></E>",
         false, "", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        parser_->processInterfaceData(QByteArray::fromStdString(interfaceXml(c.element)));
        const std::vector<Element> elements = queued();
        if (!c.queued) {
            EXPECT_TRUE(elements.empty());
            continue;
        }
        ASSERT_EQ(elements.size(), 1u);
        const auto& point = std::get<HPoint>(elements[0]);
        EXPECT_EQ(point.id(), c.id);
        EXPECT_EQ(point.number(), c.number);
        expectPoint(point.point3d(), c.x, c.y, c.z);
    }
    // Each dropped point says so once.
    EXPECT_EQ(countLinesStartingWith(log(), "Height point without three numbers"), 3);
}

TEST_F(ElementReadersTest, TopLevelWalk) {
    struct Case {
        const char* label;
        std::string xml;
        std::vector<std::size_t> kinds;
    };
    const std::string point = pointXml("P", 1);
    const std::string section = "<E type='section' name='S'/>";
    const Case cases[] = {
        {"every kind, in document order",
         interfaceXml(point + section +
                      "<E type='ticket'><Remove>{1}</Remove></E><E type='merger'/>"
                      "<E type='vectorizergroup'><Process status='done'/></E>" +
                      point),
         {0, 3, 2, 1, 4, 0}},
        {"a comment ends the walk", interfaceXml(point + "<!-- pause -->" + section), {0}},
        {"text between elements ends the walk", interfaceXml(point + "stray" + section), {0}},
        {"kinds are case-sensitive, unknown kinds skipped",
         interfaceXml("<E type='Point'/><E type='cloud'/><E/>" + section),
         {3}},
        {"the tag name does not matter", interfaceXml("<Whatever type='section'/>"), {3}},
        {"no Elements", "<Root><Other>" + point + "</Other></Root>", {}},
        {"not well-formed", interfaceXml(point).substr(0, 120), {}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        parser_->processInterfaceData(QByteArray::fromStdString(c.xml));
        EXPECT_EQ(kinds(queued()), c.kinds);
    }
}

struct ControlsCase {
    const char* label;
    std::string controls;
    bool layout;
};

std::string sectionWithControls(const std::string& controls) {
    return "<E type='section' name='Cut' uuid='{A}'><Geometry><Controls>" + controls +
           "</Controls></Geometry></E>";
}

std::string controlsAt(const std::string& px, const std::string& nx, const std::string& py,
                       const std::string& ny, const std::string& pz = "10") {
    return "<Point3d type='PX'>1 0 " + px + "</Point3d><Point3d type='NX'>-1 0 " + nx +
           "</Point3d><Point3d type='PY'>0 1 " + py + "</Point3d><Point3d type='NY'>0 -1 " + ny +
           "</Point3d><Point3d type='PZ'>0 0 " + pz + "</Point3d><Point3d type='NZ'>0 0 -4</Point3d>";
}

TEST_F(ElementReadersTest, SectionLayoutRule) {
    const ControlsCase cases[] = {
        {"four at one height, PZ elsewhere", controlsAt("3", "3", "3", "3"), true},
        {"differs beyond single precision", controlsAt("3", "3.0000000001", "3", "3"), true},
        {"differs within single precision", controlsAt("0.5", "0.5000001", "0.5", "0.5"), false},
        {"one side lower", controlsAt("3", "3", "3", "2"), false},
        {"negative heights", controlsAt("-1.25", "-1.25", "-1.25", "-1.25"), true},
        {"no controls at all", "", true},
    };
    for (const ControlsCase& c : cases) {
        SCOPED_TRACE(c.label);
        parser_->processInterfaceData(
            QByteArray::fromStdString(interfaceXml(sectionWithControls(c.controls))));
        const std::vector<Element> elements = queued();
        ASSERT_EQ(elements.size(), 1u);
        EXPECT_EQ(std::get<Section>(elements[0]).isLayout(), c.layout);
    }
}

TEST_F(ElementReadersTest, SectionFields) {
    const std::string xml = interfaceXml(
        "<E type='section' name='Cut 1' uuid='{B1}'>"
        "<Process status='running'><References><R type='VSQ'>/x/a.vsq</R><R type='vsq'>/x/b.vsq</R>"
        "<R type='vsq'>/x/c.vsq</R></References></Process>"
        "<Geometry><Controls><Point3d type='PX'>1 2 3</Point3d><Other type='NX'>4 5 6</Other>"
        "<Point3d type='PX'>7 8 9</Point3d><Point3d type='PY'>1 2</Point3d><Point3d type='QQ'>5 5 5</Point3d>"
        "</Controls></Geometry></E>"
        "<E type='section'/>"
        "<E type='section'><Process status='done'/></E>");
    parser_->processInterfaceData(QByteArray::fromStdString(xml));
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 3u);

    const auto& first = std::get<Section>(elements[0]);
    EXPECT_EQ(first.name(), "Cut 1");
    EXPECT_EQ(first.UUID(), "{B1}");
    EXPECT_FALSE(first.isProcessed());
    // Type "VSQ" does not count; the first "vsq" does.
    EXPECT_EQ(first.vsqPath(), "/x/b.vsq");
    // A repeated type overwrites; a sibling of another tag name still counts; a short text is ignored.
    expectPoint(first.controlPX(), 7, 8, 9);
    expectPoint(first.controlNX(), 4, 5, 6);
    expectPoint(first.controlPY(), 0, 0, 0);
    EXPECT_TRUE(first.sheets().empty());
    EXPECT_EQ(countLinesStartingWith(log(), "Control point PY without three numbers"), 1);

    const auto& bare = std::get<Section>(elements[1]);
    EXPECT_EQ(bare.name(), "undefined");
    EXPECT_EQ(bare.UUID(), kNullUUID);
    EXPECT_FALSE(bare.isProcessed());
    EXPECT_EQ(bare.vsqPath(), "");

    // Processed without a description file: still queued, without sheets.
    const auto& processed = std::get<Section>(elements[2]);
    EXPECT_TRUE(processed.isProcessed());
    EXPECT_TRUE(processed.sheets().empty());
    EXPECT_TRUE(logged("File does not exist: "));
    EXPECT_TRUE(logged("Reading the VSQ file failed"));
}

TEST_F(ElementReadersTest, VectorizerGroups) {
    const std::string points =
        "<Point3d id='1'>0 0 0</Point3d><Point3d id='2'>1 0 0</Point3d><Other/><Point3d id='2'>5 5 "
        "5</Point3d>"
        "<Point3d id='3'>1 1</Point3d>";
    const std::string xml = interfaceXml(
        "<E type='vectorizergroup' name='running'><Process status='running'/><Geometry>" + points +
        "<Group><Line pref1='1' pref2='2'/></Group></Geometry></E>"
        "<E type='vectorizergroup' name='V'><Process status='done'/><Geometry>" +
        points +
        "<Group><Line pref1='1' pref2='2'/><Line pref1='2' pref2='9'/><Line pref1='8' pref2='1'/>"
        "<Line pref1='1' pref2='3'/><Other/><Line pref1='2' pref2='1'/></Group></Geometry></E>");
    parser_->processInterfaceData(QByteArray::fromStdString(xml));
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 1u);
    const auto& group = std::get<Vectorizer>(elements[0]);
    EXPECT_EQ(group.name(), "V");
    ASSERT_EQ(group.lines().size(), 2u);
    // Of two points with one id the first counts.
    expectPoint(group.lines()[0].startPoint(), 0, 0, 0);
    expectPoint(group.lines()[0].endPoint(), 1, 0, 0);
    expectPoint(group.lines()[1].startPoint(), 1, 0, 0);
    expectPoint(group.lines()[1].endPoint(), 0, 0, 0);

    const std::vector<std::string> lines = log();
    EXPECT_EQ(countLines(lines, "Index2 not found of vectorizer point...9"), 1);
    EXPECT_EQ(countLines(lines, "Index1 not found of vectorizer point...8"), 1);
    // The point with two numbers is not there for the line that names it.
    EXPECT_EQ(countLines(lines, "Index2 not found of vectorizer point...3"), 1);
}

TEST_F(ElementReadersTest, Tickets) {
    parser_->processInterfaceData(QByteArray::fromStdString(
        interfaceXml("<E type='ticket'/><E type='ticket'><Remove>{C0FFEE}</Remove></E>")));
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(std::get<Ticket>(elements[0]).UUID(), "{C0FFEE}");
    EXPECT_EQ(std::get<Ticket>(elements[0]).status(), Ticket::REMOVE);
}

TEST_F(ElementReadersTest, Viewports) {
    const std::string world = "1 0 0 10 0 1 0 20 0 0 1 30 0 0 0 1";
    struct Case {
        const char* label;
        std::string geometry;
        std::string failure;  // empty: queued
    };
    auto camera = [](const std::string& attributes, const std::string& motion, const std::string& rect) {
        return "<Geometry><Camera " + attributes + ">" + motion + rect + "</Camera></Geometry>";
    };
    const std::string motion = "<Motion>" + world + "</Motion>";
    const std::string rect = "<VisibleRect>10 20 100 50</VisibleRect>";
    const Case cases[] = {
        {"complete", camera("cameratype='orthographic' fov='45.5'", motion, rect), ""},
        {"no geometry", "", "No domGeometry"},
        {"no camera", "<Geometry/>", "No domCamera"},
        {"no motion", camera("", "", rect), "No Motion Dom"},
        {"fifteen numbers", camera("", "<Motion>1 0 0 0 0 1 0 0 0 0 1 0 0 0 0</Motion>", rect),
         "Size missmatch of worldM Matrix: 15"},
        {"doubled blank", camera("", "<Motion>1  0 0 0 0 1 0 0 0 0 1 0 0 0 0 1</Motion>", rect),
         "Size missmatch of worldM Matrix: 17"},
        {"no rectangle", camera("", motion, ""), "No VisibleRect Dom"},
        {"rectangle with a trailing blank", camera("", motion, "<VisibleRect>10 20 100 50 </VisibleRect>"),
         "Size missmatch Visible Rect: 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        parser_->processInterfaceData(
            QByteArray::fromStdString(interfaceXml("<E type='viewport'>" + c.geometry + "</E>")));
        const std::vector<Element> elements = queued();
        if (!c.failure.empty()) {
            EXPECT_TRUE(elements.empty());
            EXPECT_TRUE(logged(c.failure));
            continue;
        }
        ASSERT_EQ(elements.size(), 1u);
        const auto& viewport = std::get<Viewport>(elements[0]);
        EXPECT_EQ(viewport.camType(), Viewport::ORTHOGRAPHIC);
        EXPECT_DOUBLE_EQ(viewport.fov(), 45.5);
        EXPECT_DOUBLE_EQ(viewport.world()(0, 3), 10);
        EXPECT_DOUBLE_EQ(viewport.world()(2, 3), 30);
        EXPECT_DOUBLE_EQ(viewport.world()(3, 3), 1);
        EXPECT_EQ(viewport.getVisRect(), (std::array<double, 4>{10, 20, 110, 70}));
    }
    // Defaults of a camera without attributes.
    parser_->processInterfaceData(
        QByteArray::fromStdString(interfaceXml("<E type='viewport'>" + camera("", motion, rect) + "</E>")));
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(std::get<Viewport>(elements[0]).camType(), Viewport::NONE);
    EXPECT_DOUBLE_EQ(std::get<Viewport>(elements[0]).fov(), 0.0);
}

QDomElement parseElement(QDomDocument& document, const std::string& xml) {
    EXPECT_TRUE(document.setContent(QByteArray::fromStdString(xml)));
    return document.documentElement();
}

TEST_F(ElementReadersTest, Mergers) {
    QDomDocument document;
    parser_->readMerger(
        parseElement(document,
                     "<E type='merger' name='M' uuid='{M1}' parents='{S1}'><Process status='done'>"
                     "<Sheets><Sheet type='color'>m/a.png</Sheet><Other/><Sheet type='Color'>m/b.png</Sheet>"
                     "</Sheets></Process><Geometry><Shape><Point3d u='0' v='0'/><Point3d u='1000' v='800'/>"
                     "<Point3d u='500'/></Shape></Geometry></E>"),
        "/p/");
    parser_->readMerger(
        parseElement(document,
                     "<E type='merger'><Process><Sheets><Sheet type='shading'>/abs/c.png"
                     "</Sheet></Sheets></Process><Geometry><Shape>"
                     "<Point3d u='-10' v='-20'/><Point3d u='-5' v='-7'/></Shape></Geometry></E>"),
        "");
    parser_->readMerger(parseElement(document,
                                     "<E type='merger' name='bare'><Process><Sheets><Sheet type='delta'>"
                                     "/d.png</Sheet></Sheets></Process></E>"),
                        "");
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 3u);

    const auto& merger = std::get<Merger>(elements[0]);
    EXPECT_EQ(merger.name(), "M");
    EXPECT_EQ(merger.UUID(), "{M1}");
    EXPECT_EQ(merger.parentUUID(), "{S1}");
    EXPECT_TRUE(merger.isProcessed());
    ASSERT_EQ(merger.sheets().size(), 2u);
    const Sheet& color = merger.sheets()[0];
    EXPECT_EQ(color.type, Sheet::COLOR);
    EXPECT_EQ(merger.sheets()[1].type, Sheet::UNKNOWN);
    EXPECT_DOUBLE_EQ(color.resolution, 0.0);
    EXPECT_EQ(color.projectionMatrix, Matrix4d());
    ASSERT_EQ(color.tiles.size(), 1u);
    const Tile& tile = color.tiles[0];
    EXPECT_EQ(tile.filePath, "/p/m/a.png");
    EXPECT_EQ(tile.id, -1);
    expectPoint(tile.projectedLeftUpper, 0, 800, 0);
    expectPoint(tile.projectedLeftBottom, 0, 0, 0);
    expectPoint(tile.projectedRightUpper, 1000, 800, 0);
    expectPoint(tile.projectedRightBottom, 1000, 0, 0);
    expectPoint(tile.cornerLeftUpper, 0, 0, 0);

    const auto& negative = std::get<Merger>(elements[1]);
    EXPECT_EQ(negative.name(), "undefined");
    EXPECT_EQ(negative.parentUUID(), kNullUUID);
    EXPECT_FALSE(negative.isProcessed());
    const Tile& negativeTile = negative.sheets().at(0).tiles.at(0);
    EXPECT_EQ(negativeTile.filePath, "/abs/c.png");
    expectPoint(negativeTile.projectedRightUpper, -5, -7, 0);
    expectPoint(negativeTile.projectedLeftBottom, -10, -20, 0);

    // Without a shape the rectangle would run from the largest double to the lowest.
    const Tile& bareTile = std::get<Merger>(elements[2]).sheets().at(0).tiles.at(0);
    expectPoint(bareTile.projectedLeftUpper, 0, 0, 0);
    expectPoint(bareTile.projectedRightBottom, 0, 0, 0);
    EXPECT_EQ(countLinesStartingWith(log(), "Merger without shape points"), 1);
}

}  // namespace
}  // namespace krx::test
