#include "tools/korvex-inspect/ElementJson.hpp"

#include "tools/korvex-inspect/JsonWriter.hpp"

#include <array>
#include <type_traits>

namespace krx::inspect {

namespace {

void writePoint(JsonWriter& json, const char* name, const Point3d& point) {
    json.key(name);
    json.beginArray();
    json.value(point.x());
    json.value(point.y());
    json.value(point.z());
    json.endArray();
}

template <std::size_t N>
void writeNumbers(JsonWriter& json, const char* name, const std::array<double, N>& numbers) {
    json.key(name);
    json.beginArray();
    for (const double number : numbers) {
        json.value(number);
    }
    json.endArray();
}

void writeTile(JsonWriter& json, const Tile& tile) {
    json.beginObject();
    json.key("id");
    json.value(tile.id);
    json.key("filePath");
    json.value(tile.filePath);
    writePoint(json, "cornerLeftUpper", tile.cornerLeftUpper);
    writePoint(json, "cornerLeftBottom", tile.cornerLeftBottom);
    writePoint(json, "cornerRightUpper", tile.cornerRightUpper);
    writePoint(json, "cornerRightBottom", tile.cornerRightBottom);
    writePoint(json, "projectedLeftUpper", tile.projectedLeftUpper);
    writePoint(json, "projectedLeftBottom", tile.projectedLeftBottom);
    writePoint(json, "projectedRightUpper", tile.projectedRightUpper);
    writePoint(json, "projectedRightBottom", tile.projectedRightBottom);
    json.endObject();
}

void writeSheets(JsonWriter& json, const std::vector<Sheet>& sheets) {
    json.key("sheets");
    json.beginArray();
    for (const Sheet& sheet : sheets) {
        json.beginObject();
        json.key("type");
        json.value(Sheet::sheetType2SheetTypeStr(sheet.type));
        json.key("resolution");
        json.value(sheet.resolution);
        writeNumbers(json, "projectionMatrix", sheet.projectionMatrix.getArray());
        json.key("tiles");
        json.beginArray();
        for (const Tile& tile : sheet.tiles) {
            writeTile(json, tile);
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void writeKind(JsonWriter& json, const char* kind) {
    json.key("kind");
    json.value(kind);
}

void write(JsonWriter& json, const HPoint& point) {
    writeKind(json, "point");
    json.key("id");
    json.value(point.id());
    json.key("number");
    json.value(point.number());
    writePoint(json, "point3d", point.point3d());
    writePoint(json, "origin", point.origin());
}

void write(JsonWriter& json, const Section& section) {
    writeKind(json, "section");
    json.key("name");
    json.value(section.name());
    json.key("UUID");
    json.value(section.UUID());
    json.key("vsqPath");
    json.value(section.vsqPath());
    json.key("isLayout");
    json.value(section.isLayout());
    json.key("isProcessed");
    json.value(section.isProcessed());
    writePoint(json, "controlPX", section.controlPX());
    writePoint(json, "controlNX", section.controlNX());
    writePoint(json, "controlPY", section.controlPY());
    writePoint(json, "controlNY", section.controlNY());
    writePoint(json, "controlPZ", section.controlPZ());
    writePoint(json, "controlNZ", section.controlNZ());
    writeSheets(json, section.sheets());
}

void write(JsonWriter& json, const Merger& merger) {
    writeKind(json, "merger");
    json.key("name");
    json.value(merger.name());
    json.key("UUID");
    json.value(merger.UUID());
    json.key("parentUUID");
    json.value(merger.parentUUID());
    json.key("isProcessed");
    json.value(merger.isProcessed());
    writeSheets(json, merger.sheets());
}

void write(JsonWriter& json, const Ticket& ticket) {
    writeKind(json, "ticket");
    json.key("UUID");
    json.value(ticket.UUID());
    json.key("status");
    // REMOVE is the only status there is; anything else would be a value the record cannot hold.
    json.value(ticket.status() == Ticket::REMOVE ? "remove" : "unknown");
}

void write(JsonWriter& json, const Viewport& viewport) {
    writeKind(json, "viewport");
    json.key("camType");
    json.value(Viewport::cameraType2Str(viewport.camType()));
    json.key("fov");
    json.value(viewport.fov());
    writeNumbers(json, "world", viewport.world().getArray());
    writeNumbers(json, "visRect", viewport.getVisRect());
}

void write(JsonWriter& json, const Vectorizer& group) {
    writeKind(json, "vectorizergroup");
    json.key("name");
    json.value(group.name());
    json.key("lines");
    json.beginArray();
    for (const Line& line : group.lines()) {
        json.beginObject();
        writePoint(json, "startPoint", line.startPoint());
        writePoint(json, "endPoint", line.endPoint());
        json.endObject();
    }
    json.endArray();
}

}  // namespace

std::string elementToJson(const Element& element) {
    JsonWriter json;
    json.beginObject();
    std::visit([&json](const auto& record) { write(json, record); }, element);
    json.endObject();
    return json.text();
}

std::string vsqReportToJson(const std::string& path, bool ok, const std::vector<Sheet>& sheets) {
    JsonWriter json;
    json.beginObject();
    writeKind(json, "vsq");
    json.key("path");
    json.value(path);
    json.key("ok");
    json.value(ok);
    writeSheets(json, sheets);
    json.endObject();
    return json.text();
}

}  // namespace krx::inspect
