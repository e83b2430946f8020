#include "interchange/HPoint.hpp"
#include "interchange/Merger.hpp"
#include "interchange/Section.hpp"
#include "interchange/Sheet.hpp"
#include "interchange/Ticket.hpp"
#include "interchange/Vectorizer.hpp"
#include "interchange/Viewport.hpp"

#include <gtest/gtest.h>

namespace krx {
namespace {

TEST(SheetType, TextConversionsAreExact) {
    struct Case {
        const char* text;
        Sheet::SheetType type;
    };
    const Case cases[] = {
        {"layout", Sheet::LAYOUT}, {"elevation", Sheet::ELEVATION}, {"reflectivity", Sheet::REFLECTIVITY},
        {"color", Sheet::COLOR},   {"shading", Sheet::SHADING},     {"indexed", Sheet::INDEXED},
        {"delta", Sheet::DELTA},   {"Layout", Sheet::UNKNOWN},      {"colour", Sheet::UNKNOWN},
        {"", Sheet::UNKNOWN},      {" color", Sheet::UNKNOWN},      {"unknown", Sheet::UNKNOWN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sheet::sheetTypeStr2SheetType(c.text), c.type) << c.text;
        if (c.type != Sheet::UNKNOWN) {
            EXPECT_EQ(Sheet::sheetType2SheetTypeStr(c.type), c.text);
        }
    }
    EXPECT_EQ(Sheet::sheetType2SheetTypeStr(Sheet::UNKNOWN), "unknown");
    EXPECT_EQ(Sheet::sheetType2SheetTypeStr(static_cast<Sheet::SheetType>(7)), "unknown");
    EXPECT_EQ(Sheet::sheetType2SheetTypeStr(static_cast<Sheet::SheetType>(-2)), "unknown");
}

TEST(CameraType, TextConversionsAreExact) {
    struct Case {
        const char* text;
        Viewport::CAMERATYPE type;
    };
    const Case cases[] = {
        {"projective", Viewport::PROJECTIVE},
        {"orthographic", Viewport::ORTHOGRAPHIC},
        {"none", Viewport::NONE},
        {"perspective", Viewport::NONE},
        {"", Viewport::NONE},
        {"Projective", Viewport::NONE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Viewport::cameraTypeStr2CameraType(c.text), c.type) << c.text;
    }
    EXPECT_EQ(Viewport::cameraType2Str(Viewport::PROJECTIVE), "projective");
    EXPECT_EQ(Viewport::cameraType2Str(Viewport::ORTHOGRAPHIC), "orthographic");
    EXPECT_EQ(Viewport::cameraType2Str(Viewport::NONE), "none");
    EXPECT_EQ(Viewport::cameraType2Str(static_cast<Viewport::CAMERATYPE>(7)), "none");
}

TEST(Records, DefaultsAreThoseOfAFreshRecord) {
    const Section section;
    EXPECT_EQ(section.UUID(), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_TRUE(section.name().empty());
    EXPECT_TRUE(section.sheets().empty());
    EXPECT_FALSE(section.isLayout());
    EXPECT_FALSE(section.isProcessed());
    EXPECT_EQ(section.controlNZ(), Point3d(0, 0, 0));

    const Merger merger;
    EXPECT_EQ(merger.UUID(), kNullUUID);
    EXPECT_EQ(merger.parentUUID(), kNullUUID);
    EXPECT_FALSE(merger.isProcessed());

    const HPoint point;
    EXPECT_EQ(point.number(), -1);
    EXPECT_TRUE(point.id().empty());

    const Sheet sheet;
    EXPECT_EQ(sheet.type, Sheet::UNKNOWN);
    EXPECT_EQ(sheet.resolution, 0.0);
    EXPECT_TRUE(sheet.projectionMatrix == Matrix4d());

    const Tile tile;
    EXPECT_EQ(tile.id, -1);

    const Viewport viewport;
    EXPECT_EQ(viewport.camType(), Viewport::NONE);
    EXPECT_EQ(viewport.getVisRect(), (std::array<double, 4>{0, 0, 0, 0}));

    EXPECT_TRUE(Ticket().UUID().empty());
    EXPECT_EQ(Ticket().status(), Ticket::REMOVE);
}

TEST(Records, ControlsKeepTheirOrder) {
    Section s;
    s.setControls({1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1});
    EXPECT_EQ(s.controlPX(), Point3d(1, 0, 0));
    EXPECT_EQ(s.controlNX(), Point3d(-1, 0, 0));
    EXPECT_EQ(s.controlPY(), Point3d(0, 1, 0));
    EXPECT_EQ(s.controlNY(), Point3d(0, -1, 0));
    EXPECT_EQ(s.controlPZ(), Point3d(0, 0, 1));
    EXPECT_EQ(s.controlNZ(), Point3d(0, 0, -1));
}

TEST(GetSheet, ReturnsFirstOfTypeOrAnUnknownSheet) {
    Sheet first;
    first.type = Sheet::COLOR;
    first.resolution = 1;
    first.tiles.resize(2);
    Sheet second = first;
    second.resolution = 2;
    Sheet shading;
    shading.type = Sheet::SHADING;

    Section section;
    section.setSheets({shading, first, second});
    EXPECT_EQ(section.getSheet(Sheet::COLOR).resolution, 1);
    EXPECT_EQ(section.getSheet(Sheet::COLOR).tiles.size(), 2u);
    const Sheet missing = section.getSheet(Sheet::DELTA);
    EXPECT_EQ(missing.type, Sheet::UNKNOWN);
    EXPECT_TRUE(missing.tiles.empty());

    Merger merger;
    merger.setSheets({second, first});
    EXPECT_EQ(merger.getSheet(Sheet::COLOR).resolution, 2);
    EXPECT_EQ(merger.getSheet(Sheet::LAYOUT).type, Sheet::UNKNOWN);
}

TEST(DwgPath, ReplacesEverythingAfterTheLastDot) {
    struct Case {
        const char* vsqPath;
        const char* dwgPath;
    };
    const Case cases[] = {
        {"/data/scan/section1.vsq", "/data/scan/section1.dwg"},
        {"", "dwg"},
        {"noextension", "dwg"},
        {"/data/v1.2/section", "/data/v1.dwg"},
        {"/data/a.b.vsq", "/data/a.b.dwg"},
        {"trailingdot.", "trailingdot.dwg"},
        {"/data/Übersicht.vsq", "/data/Übersicht.dwg"},
    };
    for (const auto& c : cases) {
        Section s;
        s.setVsqPath(c.vsqPath);
        EXPECT_EQ(s.dwgPath(), c.dwgPath) << c.vsqPath;
    }
}

TEST(PointStr, WritesIdNumberAndFixedCoordinates) {
    struct Case {
        const char* id;
        int number;
        Point3d position;
        const char* text;
    };
    const Case cases[] = {
        {"P1", 3, {1, 2.5, -3}, "P1 3 1.000000 2.500000 -3.000000"},
        {"", -1, {0, 0, 0}, " -1 0.000000 0.000000 0.000000"},
        {"Höhe 7",
         12345,
         {1e-7, 123456.1234567, -0.0000004},
         "Höhe 7 12345 0.000000 123456.123457 -0.000000"},
    };
    for (const auto& c : cases) {
        HPoint p;
        p.setId(c.id);
        p.setNumber(c.number);
        p.setPoint3d(c.position);
        EXPECT_EQ(p.pointStr(), c.text);
    }
}

TEST(Vectorizer, HoldsItsLines) {
    Vectorizer v;
    v.setName("walls");
    v.setLines({Line({0, 0, 0}, {1, 0, 0}), Line({1, 0, 0}, {1, 1, 0})});
    ASSERT_EQ(v.lines().size(), 2u);
    EXPECT_EQ(v.lines()[1].endPoint(), Point3d(1, 1, 0));
    Line l;
    l.setStartPoint({2, 2, 2});
    EXPECT_EQ(l.startPoint(), Point3d(2, 2, 2));
    EXPECT_EQ(l.endPoint(), Point3d(0, 0, 0));
}

}  // namespace
}  // namespace krx
