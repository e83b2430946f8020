#include "bench/interface-reader/SectionDescriptionGenerator.hpp"

#include <cmath>
#include <cstdio>
#include <string>

namespace krx::bench {

namespace {

const char* const kSheetTypes[] = {"color", "reflectivity", "shading", "indexed", "delta", "layout"};

std::string corner(double u, double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f %.3f 0", u, v);
    return text;
}

}  // namespace

QByteArray generateSectionDescription(int sheets, int tilesPerSheet) {
    std::string out;
    out.reserve(static_cast<std::size_t>(sheets) * static_cast<std::size_t>(tilesPerSheet) * 330 + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SectionDescription version=\"2.1\">\n";
    out += "  <Project name=\"Benchmark\" guid=\"{5A0C7E2B-93D1-4B7F-A6E4-1F2D3C4B5A69}\"/>\n  <Sheets>\n";
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(tilesPerSheet))));
    const double tileSize = 2.56;  // 512 px at 5 mm
    for (int s = 0; s < sheets; ++s) {
        const char* type =
            kSheetTypes[static_cast<std::size_t>(s) % (sizeof kSheetTypes / sizeof *kSheetTypes)];
        out += "    <Sheet type=\"";
        out += type;
        out += "\" projection=\"orthographic\" unit=\"m\">\n";
        out +=
            "      <ProjectionMatrix>0.8660254037844387 0 -0.5 1204.125 0.5 0 0.8660254037844387 -318.5 "
            "0 1 0 42.75 0 0 0 1</ProjectionMatrix>\n";
        out += "      <TileGeometry resolution=\"0.005\" tileWidth=\"512\" tileHeight=\"512\"/>\n";
        for (int t = 0; t < tilesPerSheet; ++t) {
            const double u = (t % columns) * tileSize;
            const double v = (t / columns) * tileSize;
            const std::string id = std::to_string(t);
            out += "      <Tile id=\"" + id + "\">\n";
            out += "        <FilePath>./tiles/" + std::string(type) + "/" + id + ".png</FilePath>\n";
            out += "        <CornerLeftUpper>" + corner(u, v + tileSize) + "</CornerLeftUpper>\n";
            out += "        <CornerLeftBottom>" + corner(u, v) + "</CornerLeftBottom>\n";
            out +=
                "        <CornerRightUpper>" + corner(u + tileSize, v + tileSize) + "</CornerRightUpper>\n";
            out += "        <CornerRightBottom>" + corner(u + tileSize, v) + "</CornerRightBottom>\n";
            out += "      </Tile>\n";
        }
        out += "    </Sheet>\n";
    }
    out += "  </Sheets>\n</SectionDescription>\n";
    return QByteArray::fromStdString(out);
}

}  // namespace krx::bench
