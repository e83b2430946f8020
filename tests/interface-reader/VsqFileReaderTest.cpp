#include "interchange/Section.hpp"
#include "tests/interface-reader/ReaderTestSupport.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace krx::test {
namespace {

const std::string kIdentity = "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1";

std::string tileXml(int id, const std::string& path, const std::string& leftUpper = "0 1 0",
                    const std::string& leftBottom = "0 0 0", const std::string& rightUpper = "1 1 0",
                    const std::string& rightBottom = "1 0 0") {
    return "<Tile id='" + std::to_string(id) + "'><FilePath>" + path + "</FilePath><CornerLeftUpper>" +
           leftUpper + "</CornerLeftUpper><CornerLeftBottom>" + leftBottom +
           "</CornerLeftBottom><CornerRightUpper>" + rightUpper + "</CornerRightUpper><CornerRightBottom>" +
           rightBottom + "</CornerRightBottom></Tile>";
}

std::string sheetXml(const std::string& type, const std::string& matrix, const std::string& tiles,
                     const std::string& resolution = "0.005") {
    return "<Sheet type='" + type + "' projection='ortho' unit='m'><ProjectionMatrix>" + matrix +
           "</ProjectionMatrix><TileGeometry resolution='" + resolution + "'/>" + tiles + "</Sheet>";
}

std::string vsqXml(const std::string& sheets, const std::string& elements = std::string(),
                   const std::string& root = "SectionDescription") {
    return "<?xml version='1.0' encoding='UTF-8'?><" + root + " version='2'><Project/>" +
           (elements.empty() ? std::string() : "<Elements>" + elements + "</Elements>") +
           (sheets.empty() ? std::string() : "<Sheets>" + sheets + "</Sheets>") + "</" + root + ">";
}

// A processed section element whose description file is the given path.
std::string processedSection(const std::string& name, const std::string& vsq) {
    return "<E type='section' name='" + name + "'><Process status='done'><References><R type='vsq'>" + vsq +
           "</R></References></Process></E>";
}

class VsqFileReaderTest : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        folder_ = tmp() + "/vsq";
        std::filesystem::create_directories(folder_);
    }

    std::string write(const std::string& name, const std::string& content) {
        const std::string path = folder_ + "/" + name;
        writeFile(path, content);
        return path;
    }

    bool read(const std::string& path, Section* section, const QList<Elements::TYPE>& types = {}) {
        return parser_->readVSQFile(QString::fromStdString(path), section, types);
    }

    std::string folder_;
};

void expectPoint(const Point3d& actual, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(actual.x(), x);
    EXPECT_DOUBLE_EQ(actual.y(), y);
    EXPECT_DOUBLE_EQ(actual.z(), z);
}

TEST_F(VsqFileReaderTest, SheetsAndTiles) {
    const std::string shifted = "2 0 0 5 0 2 0 0 0 0 2 0 0 0 0 1";
    const std::string path =
        write("cut.vsq",
              vsqXml(sheetXml("color", shifted, tileXml(3, "./t/0.png", "1 2 3") + tileXml(4, "./t/1.png")) +
                     sheetXml("elevation", kIdentity, tileXml(0, "./e.png")) +
                     sheetXml("Color", kIdentity, tileXml(0, "./u.png")) +
                     sheetXml("shading", kIdentity + " ", tileXml(0, "./s.png")) +
                     sheetXml("reflectivity", kIdentity,
                              "<Tile><FilePath>./r.png</FilePath><CornerLeftUpper>1 2 3"
                              "</CornerLeftUpper><CornerLeftBottom>1  2 3</CornerLeftBottom>"
                              "<CornerRightUpper>1 2 3 4</CornerRightUpper>"
                              "<CornerRightBottom> 1 2 3</CornerRightBottom></Tile>",
                              "")));
    Section section;
    ASSERT_TRUE(read(path, &section));
    const std::vector<Sheet>& sheets = section.sheets();
    // Elevation sheets are dropped, a matrix of 17 parts skips its sheet, an unknown type stays.
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(countLines(log(), "Size missmatch of ProjectionMatrix: 17"), 1);

    const Sheet& color = sheets[0];
    EXPECT_EQ(color.type, Sheet::COLOR);
    EXPECT_DOUBLE_EQ(color.resolution, 0.005);
    EXPECT_DOUBLE_EQ(color.projectionMatrix(0, 3), 5);
    ASSERT_EQ(color.tiles.size(), 2u);
    EXPECT_EQ(color.tiles[0].id, 3);
    EXPECT_EQ(color.tiles[0].filePath, folder_ + "/t/0.png");
    expectPoint(color.tiles[0].cornerLeftUpper, 1, 2, 3);
    // The projection uses the upper-left block only: the translation does not move a corner.
    expectPoint(color.tiles[0].projectedLeftUpper, 2, 4, 6);
    expectPoint(color.tiles[1].projectedRightUpper, 2, 2, 0);

    EXPECT_EQ(sheets[1].type, Sheet::UNKNOWN);

    // Empty parts count: a doubled blank or a leading blank shifts the numbers.
    const Sheet& reflectivity = sheets[2];
    EXPECT_DOUBLE_EQ(reflectivity.resolution, 0.0);
    ASSERT_EQ(reflectivity.tiles.size(), 1u);
    EXPECT_EQ(reflectivity.tiles[0].id, 0);
    expectPoint(reflectivity.tiles[0].cornerLeftBottom, 1, 0, 2);
    expectPoint(reflectivity.tiles[0].cornerRightUpper, 1, 2, 3);
    expectPoint(reflectivity.tiles[0].cornerRightBottom, 0, 1, 2);
}

TEST_F(VsqFileReaderTest, TileChildrenInAnyOrder) {
    // The first child of a name counts; a text broken by a comment is read whole.
    const std::string path =
        write("order.vsq",
              vsqXml(sheetXml(
                  "indexed", kIdentity,
                  "<Tile id='8'><CornerRightBottom>4 0 0</CornerRightBottom><FilePath>./first.png</FilePath>"
                  "<CornerLeftUpper>1 2<!-- c --> 3</CornerLeftUpper><FilePath>./second.png</FilePath>"
                  "<CornerLeftBottom>5 5 5</CornerLeftBottom><CornerLeftBottom>6 6 6</CornerLeftBottom>"
                  "<CornerRightUpper>7 7 7</CornerRightUpper></Tile>"
                  "<Tile id='9'><FilePath>x</FilePath><CornerLeftUpper>1 2 3</CornerLeftUpper>"
                  "<CornerLeftBottom>1 2 3</CornerLeftBottom><CornerRightUpper>1 2 3</CornerRightUpper>"
                  "<CornerRightBottom>1 2 3</CornerRightBottom></Tile>")));
    Section section;
    ASSERT_TRUE(read(path, &section));
    const std::vector<Tile>& tiles = section.sheets().at(0).tiles;
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[0].filePath, folder_ + "/first.png");
    expectPoint(tiles[0].cornerLeftUpper, 1, 2, 3);
    expectPoint(tiles[0].cornerLeftBottom, 5, 5, 5);
    expectPoint(tiles[0].cornerRightBottom, 4, 0, 0);
    // A file path shorter than its prefix leaves the folder alone.
    EXPECT_EQ(tiles[1].filePath, folder_ + "/");
}

TEST_F(VsqFileReaderTest, IncompleteTilesAndSheets) {
    const std::string path = write(
        "odd.vsq", vsqXml(sheetXml("color", kIdentity,
                                   tileXml(1, "./a.png") + "<!-- between -->" + tileXml(2, "./b.png", "1 2") +
                                       "<Note/>" + tileXml(3, "./c.png")) +
                          sheetXml("shading", kIdentity, "")));
    Section section;
    ASSERT_TRUE(read(path, &section));
    ASSERT_EQ(section.sheets().size(), 2u);
    // A corner of two numbers leaves its tile out; nodes that are not tiles are stepped over.
    const std::vector<Tile>& tiles = section.sheets()[0].tiles;
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[0].id, 1);
    EXPECT_EQ(tiles[1].id, 3);
    // A sheet without tiles is kept, empty.
    EXPECT_EQ(section.sheets()[1].type, Sheet::SHADING);
    EXPECT_TRUE(section.sheets()[1].tiles.empty());

    const std::vector<std::string> lines = log();
    EXPECT_EQ(countLines(lines, "Tile 2 without three numbers in CornerLeftUpper, tile left out"), 1);
    EXPECT_EQ(countLinesStartingWith(lines, "Node after the tiles that is not a Tile, skipped: "), 2);
    EXPECT_EQ(countLines(lines, "Sheet without tiles: shading"), 1);
}

TEST_F(VsqFileReaderTest, FilesThatCannotBeUsed) {
    struct Case {
        const char* label;
        std::string name;
        std::string content;  // empty: the file is not created
        bool result;
        std::string line;
    };
    const Case cases[] = {
        {"suffix in capitals", "upper.VSQ", vsqXml(sheetXml("color", kIdentity, tileXml(1, "./a.png"))), true,
         ""},
        {"other suffix", "wrong.xml", vsqXml(sheetXml("color", kIdentity, "")), false,
         "File does not exist: "},
        {"missing", "missing.vsq", "", false, "File does not exist: "},
        {"not well-formed", "broken.vsq", "<SectionDescription><Sheets>", false, ""},
        {"self definition", "self.vsq",
         vsqXml(sheetXml("color", kIdentity, ""), "<E type='point'/>", "SelfDefinitionProperties"), false,
         "We found SelfDefintiionProps --- ERROR"},
        {"self definition without Elements", "self2.vsq",
         vsqXml(sheetXml("color", kIdentity, ""), "", "SelfDefinitionProperties"), true, ""},
        {"no Sheets", "nosheets.vsq", vsqXml(""), true, "Size missmatch of ProjectionMatrix: 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = c.content.empty() ? folder_ + "/" + c.name : write(c.name, c.content);
        Section section;
        section.setSheets({Sheet{}});
        EXPECT_EQ(read(path, &section, {Elements::POINT}), c.result);
        if (!c.line.empty()) {
            const std::string expected = c.line.back() == ' ' ? c.line + path : c.line;
            EXPECT_EQ(countLines(log(), expected), 1) << expected;
        }
        // On failure the sheets stay as they were.
        if (!c.result) {
            EXPECT_EQ(section.sheets().size(), 1u);
        }
        EXPECT_TRUE(queued().empty());
    }
    const std::string path = write("fine.vsq", vsqXml(""));
    EXPECT_FALSE(read(path, nullptr));
    EXPECT_EQ(countLines(log(), "Section does not exist: " + path), 1);
}

TEST_F(VsqFileReaderTest, ListedElementsAreQueuedBeforeTheirSection) {
    write("inner.vsq", vsqXml(sheetXml("color", kIdentity, tileXml(1, "./inner.png")),
                              "<E type='merger' name='innerMerger'/>"));
    write("outer.vsq",
          vsqXml(sheetXml("shading", kIdentity, tileXml(1, "./outer.png")),
                 "<E type='point' name='ignored'/>" + processedSection("nested", "inner.vsq") +
                     "<E type='merger' name='outerMerger'><Process><Sheets><Sheet type='color'>m.png</Sheet>"
                     "</Sheets></Process></E><E type='ticket'><Remove>{X}</Remove></E>"));
    parser_->processInterfaceData(
        QByteArray::fromStdString(interfaceXml(processedSection("top", folder_ + "/outer.vsq"))));
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(std::get<Merger>(elements[0]).name(), "innerMerger");
    const auto& nested = std::get<Section>(elements[1]);
    EXPECT_EQ(nested.name(), "nested");
    // References in a description file are relative to its folder.
    EXPECT_EQ(nested.vsqPath(), folder_ + "/inner.vsq");
    EXPECT_EQ(nested.sheets().at(0).tiles.at(0).filePath, folder_ + "/inner.png");
    const auto& merger = std::get<Merger>(elements[2]);
    EXPECT_EQ(merger.sheets().at(0).tiles.at(0).filePath, folder_ + "/m.png");
    const auto& top = std::get<Section>(elements[3]);
    EXPECT_EQ(top.name(), "top");
    EXPECT_EQ(top.sheets().at(0).type, Sheet::SHADING);

    // With no kinds asked for, only the sheets are read.
    Section alone;
    EXPECT_TRUE(read(folder_ + "/outer.vsq", &alone));
    EXPECT_EQ(alone.sheets().size(), 1u);
    EXPECT_TRUE(queued().empty());
}

TEST_F(VsqFileReaderTest, ChainsThatLeadBackAreCut) {
    // a lists itself; b and c list each other; d reaches b through a link to it.
    write("a.vsq", vsqXml(sheetXml("color", kIdentity, ""), processedSection("a-again", "a.vsq")));
    write("b.vsq", vsqXml(sheetXml("color", kIdentity, ""), processedSection("c", "c.vsq")));
    write("c.vsq", vsqXml(sheetXml("color", kIdentity, ""), processedSection("b-again", "b.vsq")));
    std::filesystem::create_symlink(folder_ + "/b.vsq", folder_ + "/link.vsq");
    write("d.vsq", vsqXml(sheetXml("color", kIdentity, ""), processedSection("link", "link.vsq")));
    struct Case {
        const char* label;
        std::string file;
        std::vector<std::string> names;
        std::string cut;
    };
    const Case cases[] = {
        {"itself", "a.vsq", {"a-again"}, "a.vsq"},
        {"through another file", "b.vsq", {"b-again", "c"}, "b.vsq"},
        {"through a link", "link.vsq", {"b-again", "c"}, "b.vsq"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const int before = countLinesStartingWith(log(), "Section description file leads back to itself");
        Section section;
        EXPECT_TRUE(read(folder_ + "/" + c.file, &section, {Elements::SECTION}));
        EXPECT_EQ(section.sheets().size(), 1u);
        std::vector<std::string> names;
        for (const Element& element : queued()) {
            names.push_back(std::get<Section>(element).name());
        }
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(countLinesStartingWith(log(), "Section description file leads back to itself") - before, 1);
    }
    // The chain is per read: the same file is read again by the next one.
    Section again;
    EXPECT_TRUE(read(folder_ + "/d.vsq", &again, {Elements::SECTION}));
    EXPECT_EQ(queued().size(), 3u);
}

}  // namespace
}  // namespace krx::test
