// The whole host state as readable JSON in a stable order (object keys sorted, lists in creation order).
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include "host/sim/HostState.hpp"

namespace krx::sim {
namespace {

QString text(const GS::UniString& s) {
    return QString::fromStdString(s.ToCStr().str());
}

QString id(const API_Guid& guid) {
    return guid == APINULLGuid ? QString() : text(APIGuidToString(guid));
}

QJsonArray point(const API_Coord& c) {
    return QJsonArray{c.x, c.y};
}

QJsonArray points(const std::vector<API_Coord>& list) {
    QJsonArray array;
    for (const API_Coord& c : list) {
        array.append(point(c));
    }
    return array;
}

QJsonObject box(const API_Box& b) {
    return QJsonObject{{"xMin", b.xMin}, {"yMin", b.yMin}, {"xMax", b.xMax}, {"yMax", b.yMax}};
}

// User data shown as text when it is a NUL-terminated text, else as hex.
QString dataText(const std::string& data) {
    const bool printable = !data.empty() && data.back() == '\0' &&
                           std::all_of(data.begin(), data.end() - 1, [](char c) { return c >= 0x20; });
    if (printable) {
        return QString::fromStdString(data.substr(0, data.size() - 1));
    }
    return QString::fromLatin1(QByteArray(data.data(), static_cast<int>(data.size())).toHex());
}

QJsonObject section(const API_SectionElemType& s) {
    return QJsonObject{{"refId", text(GS::UniString(s.refId))},
                       {"name", text(GS::UniString(s.name))},
                       {"nMainCoord", s.nMainCoord},
                       {"nDistCoord", s.nDistCoord},
                       {"nDepthCoord", s.nDepthCoord},
                       {"flag1596", s.flag1596}};
}

QJsonObject element(const Project& p, const ElementRecord& e) {
    const API_Elem_Head& h = e.element.header;
    const DatabaseRecord* db = p.database(e.database);
    QJsonObject o{{"guid", id(h.guid)},  {"layer", h.layer},
                  {"story", h.floorInd}, {"group", id(h.groupGuid)},
                  {"locked", h.locked},  {"database", db == nullptr ? QString() : text(db->title())}};
    switch (h.typeID) {
        case API_ObjectID:
            o["type"] = "object";
            o["position"] = point(e.element.object.pos);
            o["level"] = e.element.object.level;
            o["libInd"] = e.element.object.libInd;
            break;
        case API_CutPlaneID:
        case API_ElevationID: {
            o["type"] = h.typeID == API_CutPlaneID ? "cutPlane" : "elevation";
            QJsonObject s = section(h.typeID == API_CutPlaneID ? e.element.cutPlane : e.element.elevation);
            s["mainCoords"] = points(e.mainCoords);
            s["distCoords"] = points(e.distCoords);
            s["depthCoords"] = points(e.depthCoords);
            s["linkedDatabase"] = id(e.linkedDatabase.elemSetId);
            if (e.marker) {
                s["markerField152"] = e.marker->object.field152;
            }
            o["section"] = s;
            break;
        }
        case API_PictureID: {
            const API_PictureType& pic = e.element.picture;
            o["type"] = "picture";
            o["picture"] = QJsonObject{{"destBox", box(pic.destBox)},
                                       {"name", text(GS::UniString(pic.pictName))},
                                       {"field128", pic.field128},
                                       {"field134", pic.field134},
                                       {"field136", static_cast<double>(pic.field136)},
                                       {"field212", pic.field212},
                                       {"field216", pic.field216},
                                       {"dataBytes", static_cast<double>(e.pictureData.size())}};
            break;
        }
        default:
            o["type"] = static_cast<int>(h.typeID);
    }
    if (e.userData) {
        o["userData"] = QJsonObject{{"version", e.userData->dataVersion},
                                    {"platformSign", e.userData->platformSign},
                                    {"flags", static_cast<double>(e.userData->flags)},
                                    {"data", dataText(e.userData->data)}};
    }
    return o;
}

QJsonObject ghost(const API_GhostRecord& g) {
    QJsonArray block;
    for (UInt8 b : g.bytes80) {
        block.append(b);
    }
    return QJsonObject{{"ghostDatabase", id(g.ghostDatabase.elemSetId)},
                       {"parentDatabase", id(g.parentDatabase.elemSetId)},
                       {"field16", g.field16},
                       {"field24", g.field24},
                       {"field76", g.field76},
                       {"bytes80", block},
                       {"field158", g.field158},
                       {"field162", g.field162},
                       {"field163", g.field163},
                       {"field184", g.field184},
                       {"field192", g.field192},
                       {"field200", g.field200},
                       {"field201", g.field201},
                       {"field202", g.field202},
                       {"field224", g.field224},
                       {"field232", g.field232},
                       {"field240", g.field240},
                       {"field242", g.field242},
                       {"field244", g.field244}};
}

QJsonObject projectJson(const Project& p) {
    QJsonObject o;
    QJsonArray stories;
    for (const StoryRecord& s : p.stories) {
        stories.append(QJsonObject{{"index", s.index}, {"level", s.level}, {"name", text(s.name)}});
    }
    o["stories"] = stories;
    o["currentStory"] = p.currentStory;
    QJsonArray layers;
    for (std::size_t i = 0; i < p.layers.size(); ++i) {
        layers.append(QJsonObject{{"index", static_cast<int>(i + 1)},
                                  {"name", QString::fromStdString(p.layers[i].name)},
                                  {"deleted", p.layers[i].deleted}});
    }
    o["layers"] = layers;
    std::vector<const ElementRecord*> elements;
    for (const auto& entry : p.elements) {
        elements.push_back(&entry.second);
    }
    std::sort(elements.begin(), elements.end(), [](auto* a, auto* b) { return a->seq < b->seq; });
    QJsonArray elementList;
    for (const ElementRecord* e : elements) {
        elementList.append(element(p, *e));
    }
    o["elements"] = elementList;
    std::vector<const GroupRecord*> groups;
    for (const auto& entry : p.groups) {
        groups.push_back(&entry.second);
    }
    std::sort(groups.begin(), groups.end(), [](auto* a, auto* b) { return a->seq < b->seq; });
    QJsonArray groupList;
    for (const GroupRecord* g : groups) {
        QJsonArray members;
        for (const API_Guid& m : g->members) {
            members.append(id(m));
        }
        groupList.append(QJsonObject{{"guid", id(g->guid)}, {"members", members}, {"locked", g->locked}});
    }
    o["groups"] = groupList;
    std::vector<const DatabaseRecord*> databases;
    for (const auto& entry : p.databases) {
        databases.push_back(&entry.second);
    }
    std::sort(databases.begin(), databases.end(), [](auto* a, auto* b) { return a->seq < b->seq; });
    QJsonArray databaseList;
    for (const DatabaseRecord* d : databases) {
        QJsonObject r{{"id", id(d->id.elemSetId)}, {"type", d->type},
                      {"name", text(d->name)},     {"ref", text(d->ref)},
                      {"title", text(d->title())}, {"linkedElement", id(d->linkedElement)}};
        if (d->zoom) {
            r["zoom"] = box(*d->zoom);
        }
        databaseList.append(r);
    }
    o["databases"] = databaseList;
    o["currentDatabase"] = id(p.currentDatabase.elemSetId);
    o["currentWindow"] =
        QJsonObject{{"type", p.currentWindow.type}, {"database", id(p.currentWindow.id.elemSetId)}};
    const API_PerspPars& persp = p.projection.persp;
    o["projection"] = QJsonObject{{"isPersp", p.projection.isPersp}, {"cameraPos", point(persp.pos)},
                                  {"cameraZ", persp.cameraZ},        {"target", point(persp.target)},
                                  {"targetZ", persp.targetZ},        {"viewCone", persp.viewCone}};
    QJsonArray ghosts;
    for (const API_GhostRecord& g : p.ghosts) {
        ghosts.append(ghost(g));
    }
    o["ghosts"] = ghosts;
    QJsonArray libraries;
    for (const GS::UniString& l : p.libraries) {
        libraries.append(text(l));
    }
    o["libraries"] = libraries;
    return o;
}

}  // namespace

std::string Host::snapshotJson() const {
    const LeakReport leakReport = leaks();
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    const HostState& s = state();
    QJsonObject root;
    root["project"] = projectJson(s.project);
    QJsonArray undo;
    for (const UndoEntry& entry : s.undo) {
        undo.append(text(entry.name));
    }
    root["undo"] = undo;
    QJsonArray menus;
    for (const MenuRecord& menu : s.menus) {
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            menus.append(QJsonObject{{"menu", menu.menuResID},
                                     {"item", static_cast<int>(i + 1)},
                                     {"text", text(menu.items[i].text)},
                                     {"prompt", text(menu.items[i].prompt)},
                                     {"flags", static_cast<int>(menu.items[i].flags)},
                                     {"handler", menu.handler != nullptr}});
        }
    }
    root["menus"] = menus;
    QJsonArray addOns;
    for (const auto& [module, a] : s.addOns) {
        QJsonArray services;
        for (const ServiceRecord& service : a.services) {
            services.append(QString::fromStdString(fourCCText(service.cmdID)) + " " +
                            QString::number(service.cmdVersion));
        }
        QJsonArray lifecycle;
        for (const std::string& step : a.lifecycle) {
            lifecycle.append(QString::fromStdString(step));
        }
        QJsonObject r{{"module", module},
                      {"bundle", QString::fromStdString(a.bundlePath)},
                      {"name", text(a.info.name)},
                      {"description", text(a.info.description)},
                      {"loaded", a.loaded},
                      {"initialized", a.initialized},
                      {"keepInMemory", a.keepInMemory},
                      {"services", services},
                      {"eventMask", static_cast<int>(a.eventMask)},
                      {"lifecycle", lifecycle}};
        if (a.mdid) {
            r["moduleId"] =
                QJsonArray{static_cast<double>(a.mdid->developerID), static_cast<double>(a.mdid->localID)};
        }
        addOns.append(r);
    }
    root["addOns"] = addOns;
    QJsonArray debug;
    for (const std::string& line : s.debugOutput) {
        debug.append(QString::fromStdString(line));
    }
    root["debugOutput"] = debug;
    root["pendingCommands"] = static_cast<int>(s.queue.size());
    QJsonArray leakLines;
    for (const std::string& line : leakReport.lines) {
        leakLines.append(QString::fromStdString(line));
    }
    root["leaks"] = leakLines;
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace krx::sim
