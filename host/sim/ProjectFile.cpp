// Saving a project to a file and opening it again. Host records go into the file as they are in
// memory (the file is read back only by this host); everything else as plain JSON values.
#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

#include "host/sim/HostState.hpp"

namespace krx::sim {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

template <typename T>
QString raw(const T& record) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(&record), sizeof(T)).toBase64());
}

template <typename T>
bool fromRaw(const QJsonValue& value, T* record) {
    const QByteArray bytes = QByteArray::fromBase64(value.toString().toLatin1());
    if (bytes.size() != static_cast<int>(sizeof(T))) {
        return false;
    }
    std::memcpy(static_cast<void*>(record), bytes.constData(), sizeof(T));
    return true;
}

QString text(const GS::UniString& s) {
    return QString::fromStdString(s.ToCStr().str());
}

GS::UniString uni(const QJsonValue& v) {
    return GS::UniString(v.toString().toStdString());
}

QString idText(const API_Guid& guid) {
    return text(APIGuidToString(guid));
}

API_Guid guidOf(const QJsonValue& v) {
    return APIGuidFromString(v.toString().toStdString().c_str());
}

QJsonArray coords(const std::vector<API_Coord>& list) {
    QJsonArray array;
    for (const API_Coord& c : list) {
        array.append(QJsonArray{c.x, c.y});
    }
    return array;
}

std::vector<API_Coord> coordsOf(const QJsonValue& v) {
    std::vector<API_Coord> list;
    for (const QJsonValue& c : v.toArray()) {
        list.push_back({c.toArray().at(0).toDouble(), c.toArray().at(1).toDouble()});
    }
    return list;
}

QString bytes(const std::string& data) {
    return QString::fromLatin1(QByteArray(data.data(), static_cast<int>(data.size())).toBase64());
}

std::string bytesOf(const QJsonValue& v) {
    return QByteArray::fromBase64(v.toString().toLatin1()).toStdString();
}

QJsonObject write(const Project& p) {
    QJsonObject o;
    QJsonArray stories;
    for (const StoryRecord& s : p.stories) {
        stories.append(QJsonObject{{"index", s.index}, {"level", s.level}, {"name", text(s.name)}});
    }
    o["stories"] = stories;
    o["currentStory"] = p.currentStory;
    QJsonArray layers;
    for (const LayerRecord& l : p.layers) {
        layers.append(QJsonObject{{"name", QString::fromStdString(l.name)}, {"deleted", l.deleted}});
    }
    o["layers"] = layers;
    QJsonArray elements;
    for (const auto& [guid, e] : p.elements) {
        QJsonObject r{{"record", raw(e.element)},
                      {"main", coords(e.mainCoords)},
                      {"dist", coords(e.distCoords)},
                      {"depth", coords(e.depthCoords)},
                      {"picture", bytes(e.pictureData)},
                      {"database", idText(e.database.elemSetId)},
                      {"linkedDatabase", idText(e.linkedDatabase.elemSetId)},
                      {"seq", QString::number(e.seq)}};
        if (e.userData) {
            r["userData"] = QJsonObject{{"version", e.userData->dataVersion},
                                        {"platform", e.userData->platformSign},
                                        {"flags", static_cast<double>(e.userData->flags)},
                                        {"data", bytes(e.userData->data)}};
        }
        if (e.marker) {
            r["marker"] = raw(*e.marker);
        }
        elements.append(r);
    }
    o["elements"] = elements;
    QJsonArray groups;
    for (const auto& [guid, g] : p.groups) {
        QJsonArray members;
        for (const API_Guid& m : g.members) {
            members.append(idText(m));
        }
        groups.append(QJsonObject{{"guid", idText(g.guid)},
                                  {"members", members},
                                  {"parent", idText(g.parent)},
                                  {"locked", g.locked},
                                  {"database", idText(g.database.elemSetId)},
                                  {"seq", QString::number(g.seq)}});
    }
    o["groups"] = groups;
    QJsonArray databases;
    for (const auto& [id, d] : p.databases) {
        QJsonObject r{{"id", idText(d.id.elemSetId)},
                      {"type", d.type},
                      {"name", text(d.name)},
                      {"ref", text(d.ref)},
                      {"linked", idText(d.linkedElement)},
                      {"seq", QString::number(d.seq)}};
        if (d.zoom) {
            r["zoom"] = raw(*d.zoom);
        }
        databases.append(r);
    }
    o["databases"] = databases;
    o["floorPlan"] = idText(p.floorPlanId.elemSetId);
    o["model3D"] = idText(p.model3DId.elemSetId);
    o["currentDatabase"] = idText(p.currentDatabase.elemSetId);
    o["windowType"] = p.currentWindow.type;
    o["window"] = idText(p.currentWindow.id.elemSetId);
    o["projection"] = raw(p.projection);
    QJsonArray ghosts;
    for (const API_GhostRecord& g : p.ghosts) {
        ghosts.append(raw(g));
    }
    o["ghosts"] = ghosts;
    QJsonArray libraries;
    for (const GS::UniString& l : p.libraries) {
        libraries.append(text(l));
    }
    o["libraries"] = libraries;
    QJsonObject defaults;
    for (const auto& [type, d] : p.defaults) {
        defaults[QString::number(type)] = raw(d);
    }
    o["defaults"] = defaults;
    o["nextSeq"] = QString::number(p.nextSeq);
    o["guidCounter"] = QString::number(p.guidCounter);
    o["format"] = "krx-sim-project 1";
    return o;
}

bool read(const QJsonObject& o, Project* p) {
    if (o["format"].toString() != "krx-sim-project 1") {
        return false;
    }
    bool ok = true;
    for (const QJsonValue& v : o["stories"].toArray()) {
        const QJsonObject s = v.toObject();
        p->stories.push_back({static_cast<Int16>(s["index"].toInt()), s["level"].toDouble(), uni(s["name"])});
    }
    p->currentStory = static_cast<Int16>(o["currentStory"].toInt());
    for (const QJsonValue& v : o["layers"].toArray()) {
        p->layers.push_back(
            {v.toObject()["name"].toString().toStdString(), v.toObject()["deleted"].toBool()});
    }
    for (const QJsonValue& v : o["elements"].toArray()) {
        const QJsonObject r = v.toObject();
        ElementRecord e;
        ok = ok && fromRaw(r["record"], &e.element);
        e.mainCoords = coordsOf(r["main"]);
        e.distCoords = coordsOf(r["dist"]);
        e.depthCoords = coordsOf(r["depth"]);
        e.pictureData = bytesOf(r["picture"]);
        e.database = {guidOf(r["database"])};
        e.linkedDatabase = {guidOf(r["linkedDatabase"])};
        e.seq = r["seq"].toString().toULongLong();
        if (r.contains("userData")) {
            const QJsonObject u = r["userData"].toObject();
            e.userData = UserDataRecord{static_cast<Int16>(u["version"].toInt()),
                                        static_cast<UInt16>(u["platform"].toInt()),
                                        static_cast<GSFlags>(u["flags"].toDouble()), bytesOf(u["data"])};
        }
        if (r.contains("marker")) {
            API_Element marker{};
            ok = ok && fromRaw(r["marker"], &marker);
            e.marker = marker;
        }
        p->elements[e.element.header.guid] = e;
    }
    for (const QJsonValue& v : o["groups"].toArray()) {
        const QJsonObject r = v.toObject();
        GroupRecord g;
        g.guid = guidOf(r["guid"]);
        for (const QJsonValue& m : r["members"].toArray()) {
            g.members.push_back(guidOf(m));
        }
        g.parent = guidOf(r["parent"]);
        g.locked = r["locked"].toBool();
        g.database = {guidOf(r["database"])};
        g.seq = r["seq"].toString().toULongLong();
        p->groups[g.guid] = g;
    }
    for (const QJsonValue& v : o["databases"].toArray()) {
        const QJsonObject r = v.toObject();
        DatabaseRecord d;
        d.id = {guidOf(r["id"])};
        d.type = static_cast<API_DatabaseTypeID>(r["type"].toInt());
        d.name = uni(r["name"]);
        d.ref = uni(r["ref"]);
        d.linkedElement = guidOf(r["linked"]);
        d.seq = r["seq"].toString().toULongLong();
        if (r.contains("zoom")) {
            API_Box box{};
            ok = ok && fromRaw(r["zoom"], &box);
            d.zoom = box;
        }
        p->databases[d.id] = d;
    }
    p->floorPlanId = {guidOf(o["floorPlan"])};
    p->model3DId = {guidOf(o["model3D"])};
    p->currentDatabase = {guidOf(o["currentDatabase"])};
    p->currentWindow = {static_cast<API_WindowTypeID>(o["windowType"].toInt()), {guidOf(o["window"])}};
    ok = ok && fromRaw(o["projection"], &p->projection);
    for (const QJsonValue& v : o["ghosts"].toArray()) {
        API_GhostRecord g{};
        ok = ok && fromRaw(v, &g);
        p->ghosts.push_back(g);
    }
    for (const QJsonValue& v : o["libraries"].toArray()) {
        p->libraries.push_back(uni(v));
    }
    const QJsonObject defaults = o["defaults"].toObject();
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        API_Element d{};
        ok = ok && fromRaw(it.value(), &d);
        p->defaults[it.key().toInt()] = d;
    }
    p->nextSeq = o["nextSeq"].toString().toULongLong();
    p->guidCounter = o["guidCounter"].toString().toULongLong();
    return ok && p->database(p->floorPlanId) != nullptr && p->database(p->model3DId) != nullptr &&
           !p->stories.empty();
}

}  // namespace

GSErrCode Host::saveProject(const std::string& path) const {
    QByteArray data;
    {
        Lock lock(state().mutex);
        data = QJsonDocument(write(state().project)).toJson(QJsonDocument::Indented);
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        return ErrIO;
    }
    return NoError;
}

GSErrCode Host::openProject(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return ErrFileNotFound;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    Project opened;
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !read(document.object(), &opened)) {
        return ErrParam;
    }
    {
        Lock lock(state().mutex);
        state().project = opened;
        state().undo.clear();
    }
    deliverProjectEvent(APINotify_Open);
    return NoError;
}

}  // namespace krx::sim
