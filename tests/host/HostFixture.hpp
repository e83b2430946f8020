#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/api/ACAPinc.hpp"
#include "host/sim/Host.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

namespace krx::test {

// A fresh simulated host with one in-process add-on whose bundle folder lies in the test's own
// temporary directory, so calls that need a calling add-on (own location, module commands) work.
class HostFixture : public IsolatedEnvironment {
protected:
    static constexpr UInt32 kDeveloper = 11;
    static constexpr UInt32 kLocal = 22;

    void SetUp() override {
        IsolatedEnvironment::SetUp();
        host().reset();
        bundle_ = tmp() + "/Fixture.bundle";
        std::filesystem::create_directories(bundle_ + "/Contents/Resources");
        std::ofstream(bundle_ + "/Contents/Resources/Fixture.grc") << "'MDID' 1 \"id\" {\n"
                                                                   << kDeveloper << " " << kLocal << "\n}\n"
                                                                   << "'STR#' 2 \"menu\" {\n\"Item\"\n}\n";
        krx::sim::InProcessAddOn addOn;
        addOn.bundlePath = bundle_;
        addOn.registerInterface = &registerInterface;
        std::string error;
        module_ = host().attachAddOn(addOn, &error);
        ASSERT_GT(module_, 0) << error;
    }

    void TearDown() override {
        host().reset();
        IsolatedEnvironment::TearDown();
    }

    static krx::sim::Host& host() { return krx::sim::Host::instance(); }

    // The project part of the snapshot, for comparing states.
    static QJsonObject projectState() {
        return QJsonDocument::fromJson(QByteArray::fromStdString(host().snapshotJson()))
            .object()["project"]
            .toObject();
    }

    static GSErrCode registerInterface() {
        ACAPI_Register_Menu(2, 0, MenuCode_UserDef, Menu_Flag_None);
        return ACAPI_Register_SupportedService(FourCC("TEST"), 1);
    }

    // A cut plane along (x0, y0)-(x1, y1) on the floor plan, in its own undoable command.
    static GSErrCode createCutPlane(double x0, double y0, double x1, double y1, API_Guid* guid = nullptr,
                                    const char* name = "S1") {
        API_Element element{};
        element.header.typeID = API_CutPlaneID;
        API_ElementMemo memo{};
        API_SubElement marker{};
        marker.subType = APISubElement_MainMarker;
        GSErrCode err = ACAPI_Element_GetDefaultsExt(&element, &memo, 1, &marker);
        if (err != NoError) {
            return err;
        }
        GS::CopyToField(element.cutPlane.refId, 256, "Korvex");
        GS::CopyToField(element.cutPlane.name, 256, name);
        memo.sectionSegmentMainCoords =
            reinterpret_cast<API_Coord*>(BMAllocatePtr(2 * sizeof(API_Coord), 0, 0));
        memo.sectionSegmentMainCoords[0] = {x0, y0};
        memo.sectionSegmentMainCoords[1] = {x1, y1};
        element.cutPlane.nMainCoord = 2;
        err = ACAPI_CallUndoableCommand("Creating Korvex Section",
                                        [&] { return ACAPI_Element_CreateExt(&element, &memo, 1, &marker); });
        ACAPI_DisposeElemMemoHdls(&memo);
        ACAPI_DisposeElemMemoHdls(&marker.memo);
        if (guid != nullptr) {
            *guid = element.header.guid;
        }
        return err;
    }

    std::string bundle_;
    GSResModule module_ = 0;
};

}  // namespace krx::test
