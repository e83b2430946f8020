// The host's rules for the model: undo scopes, exact undo, and the refusals the add-on relies on.
#include <cstring>

#include "tests/host/HostFixture.hpp"

namespace {

using krx::test::HostFixture;

class ModelRulesTest : public HostFixture {
protected:
    static API_DatabaseUnId lastOfType(API_DatabaseID selector) {
        GS::Array<API_DatabaseUnId> ids;
        EXPECT_EQ(ACAPI_Database(selector, nullptr, &ids), NoError);
        return ids.IsEmpty() ? API_DatabaseUnId{} : ids.GetLast();
    }

    static API_DatabaseUnId newWorksheet(const char* name, const char* ref) {
        API_DatabaseInfo info{};
        info.typeID = APIWind_WorksheetID;
        GS::CopyToField(info.name, 256, name);
        GS::CopyToField(info.ref, 256, ref);
        EXPECT_EQ(ACAPI_Database(APIDb_NewDatabaseID, &info), NoError);
        return info.databaseUnId;
    }

    static GSErrCode changeWindow(API_WindowTypeID type, const API_DatabaseUnId& id) {
        API_WindowInfo window{};
        window.typeID = type;
        window.databaseUnId = id;
        return ACAPI_Automate(APIDo_ChangeWindowID, &window);
    }
};

TEST_F(ModelRulesTest, ModelChangesNeedOneUndoableCommandAtATime) {
    API_Element object{};
    object.header.typeID = API_ObjectID;
    ASSERT_EQ(ACAPI_Element_GetDefaults(&object, nullptr), NoError);
    EXPECT_EQ(ACAPI_Element_Create(&object, nullptr), APIERR_NEEDSUNDOSCOPE);

    GSErrCode inner = NoError;
    EXPECT_EQ(ACAPI_CallUndoableCommand("outer",
                                        [&] {
                                            inner =
                                                ACAPI_CallUndoableCommand("inner", [] { return NoError; });
                                            return ACAPI_Element_Create(&object, nullptr);
                                        }),
              NoError);
    EXPECT_EQ(inner, APIERR_REFUSEDCMD);
    EXPECT_EQ(host().undoNames(), (std::vector<std::string>{"outer"}));
    EXPECT_EQ(host().project().elements.size(), 1u);
}

TEST_F(ModelRulesTest, UndoRestoresTheModelExactlyAndAFailedCommandLeavesNoTrace) {
    API_Guid first{};
    ASSERT_EQ(createCutPlane(0, 0, 10, 0, &first, "Kept"), NoError);
    const QJsonObject before = projectState();

    API_Guid second{};
    ASSERT_EQ(createCutPlane(0, 5, 10, 5, &second, "Undone"), NoError);
    API_ElementUserData data{};
    data.dataVersion = 1;
    data.platformSign = GS_ACT_PLATFORM_SIGN;
    data.dataHdl = BMAllocateHandle(4, 0, 0);
    std::memcpy(*data.dataHdl, "abc", 4);
    API_Elem_Head head{};
    head.guid = second;
    ASSERT_EQ(ACAPI_CallUndoableCommand("Set Uuid data to section",
                                        [&] { return ACAPI_Element_SetUserData(&head, &data); }),
              NoError);
    BMKillHandle(&data.dataHdl);
    ASSERT_EQ(host().undoNames(),
              (std::vector<std::string>{"Creating Korvex Section", "Creating Korvex Section",
                                        "Set Uuid data to section"}));
    EXPECT_EQ(host().project().databasesOfType(APIWind_SectionID).size(), 2u);

    ASSERT_TRUE(host().undo());
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(projectState(), before);
    EXPECT_EQ(host().undoNames(), (std::vector<std::string>{"Creating Korvex Section"}));

    // A command that fails after changing the model: the host takes its changes back.
    API_Element object{};
    object.header.typeID = API_ObjectID;
    ACAPI_Element_GetDefaults(&object, nullptr);
    EXPECT_EQ(ACAPI_CallUndoableCommand("half done",
                                        [&] {
                                            ACAPI_Element_Create(&object, nullptr);
                                            return APIERR_GENERAL;
                                        }),
              APIERR_GENERAL);
    EXPECT_EQ(projectState(), before);
    EXPECT_EQ(host().undoNames().size(), 1u);
    EXPECT_TRUE(host().leaks().empty());
}

TEST_F(ModelRulesTest, RefusesWhatTheRealHostRefuses) {
    API_Guid cut{};
    ASSERT_EQ(createCutPlane(0, 0, 10, 0, &cut), NoError);
    const API_DatabaseUnId section = lastOfType(APIDb_GetSectionDatabasesID);
    const API_DatabaseUnId worksheet = newWorksheet("color", "S1");
    API_DatabaseInfo zeroed{};
    API_3DProjectionInfo wide{};
    wide.isPersp = true;
    wide.persp.viewCone = 171.9;
    wide.persp.target = {1, 1};
    API_Box box{0, 0, 1, 1};

    struct Case {
        const char* what;
        std::function<GSErrCode()> call;
        GSErrCode expected;
    };
    const Case cases[] = {
        {"zero-length section line", [] { return createCutPlane(3, 4, 3, 4); }, APIERR_REFUSEDPAR},
        {"section database opened as elevation window",
         [&] { return changeWindow(APIWind_ElevationID, section); }, APIERR_BADDATABASE},
        {"worksheet opened as section window", [&] { return changeWindow(APIWind_SectionID, worksheet); },
         APIERR_BADDATABASE},
        {"zeroed window record", [&] { return changeWindow(APIWind_NoneID, API_DatabaseUnId{}); },
         APIERR_BADPARS},
        {"zeroed database record made current",
         [&] { return ACAPI_Database(APIDb_ChangeCurrentDatabaseID, &zeroed); }, APIERR_BADDATABASE},
        {"worksheet databases are the only ones deleted directly",
         [&] {
             API_DatabaseInfo info{};
             info.databaseUnId = section;
             return ACAPI_Database(APIDb_DeleteDatabaseID, &info);
         },
         APIERR_BADDATABASE},
        {"view angle above 120 degrees",
         [&] { return ACAPI_Environment(APIEnv_Change3DProjectionSetsID, &wide); }, APIERR_BADPARS},
        {"story that does not exist",
         [] {
             API_StoryCmdType command{APIStory_GoTo, 7};
             return ACAPI_Environment(APIEnv_ChangeStorySettingsID, &command);
         },
         APIERR_BADINDEX},
        {"zoom in the 3D window",
         [&] {
             changeWindow(APIWind_3DModelID, API_DatabaseUnId{});
             return ACAPI_Database(APIDb_SetZoomID, &box);
         },
         APIERR_BADWINDOW},
        {"cut plane outside the floor plan",
         [&] {
             changeWindow(APIWind_WorksheetID, worksheet);
             return createCutPlane(0, 0, 1, 1);
         },
         APIERR_BADDATABASE},
        {"grouping nothing",
         [] {
             return ACAPI_CallUndoableCommand("g", [] {
                 API_Guid group{};
                 return ACAPI_ElementGroup_Create(GS::Array<API_Guid>(), &group);
             });
         },
         APIERR_BADPARS},
        {"deleting a locked element",
         [&] {
             ACAPI_CallUndoableCommand("Lock Image",
                                       [&] { return ACAPI_Element_Tool({cut}, APITool_Lock, nullptr); });
             return ACAPI_CallUndoableCommand("del", [&] { return ACAPI_Element_Delete({cut}); });
         },
         APIERR_LOCKEDELEMENT},
        {"adding a library folder that does not exist",
         [] {
             IO::Location missing("/nonexistent/Korvex Library");
             return ACAPI_Environment(APIEnv_AddLibrariesID, &missing);
         },
         APIERR_BADPARS},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.call(), c.expected) << c.what;
    }
    // The section's window can be opened as what it is, and a window change moves the database too.
    ASSERT_EQ(changeWindow(APIWind_SectionID, section), NoError);
    API_DatabaseInfo current{};
    ASSERT_EQ(ACAPI_Database(APIDb_GetCurrentDatabaseID, &current), NoError);
    EXPECT_EQ(current.databaseUnId, section);
    EXPECT_EQ(GS::UniString(current.title), "Korvex S1");
    EXPECT_EQ(current.linkedElement, cut);
}

TEST_F(ModelRulesTest, CurrentDatabaseAndWindowAreTwoThings) {
    const API_DatabaseUnId worksheet = newWorksheet("color", "S1");
    ASSERT_EQ(changeWindow(APIWind_WorksheetID, worksheet), NoError);
    API_DatabaseInfo floorPlan{};
    floorPlan.typeID = APIWind_FloorPlanID;
    ASSERT_EQ(ACAPI_Database(APIDb_ChangeCurrentDatabaseID, &floorPlan), NoError);
    API_WindowInfo window{};
    ASSERT_EQ(ACAPI_Database(APIDb_GetCurrentWindowID, &window), NoError);
    EXPECT_EQ(window.typeID, APIWind_WorksheetID);
    EXPECT_EQ(window.databaseUnId, worksheet);
    API_DatabaseInfo current{};
    ACAPI_Database(APIDb_GetCurrentDatabaseID, &current);
    EXPECT_EQ(current.typeID, APIWind_FloorPlanID);

    // Names and reference IDs keep at most 255 characters and are stored without interpretation.
    API_DatabaseInfo info{};
    info.typeID = APIWind_WorksheetID;
    const std::string longName(300, 'n');
    GS::CopyToField(info.ref, 256, GS::UniString(longName));
    GS::CopyToField(info.name, 256, "100% color");
    ASSERT_EQ(ACAPI_Database(APIDb_NewDatabaseID, &info), NoError);
    API_DatabaseInfo read{};
    read.databaseUnId = info.databaseUnId;
    ASSERT_EQ(ACAPI_Database(APIDb_GetDatabaseInfoID, &read), NoError);
    EXPECT_EQ(GS::UniString(read.ref).GetLength(), 255u);
    EXPECT_EQ(GS::UniString(read.name), "100% color");
}

TEST_F(ModelRulesTest, DeletingACutPlaneTakesItsSectionGhostAndWindowAlongAndUndoBringsThemBack) {
    API_Guid cut{};
    ASSERT_EQ(createCutPlane(0, 0, 10, 0, &cut), NoError);
    const API_DatabaseUnId section = lastOfType(APIDb_GetSectionDatabasesID);
    const API_DatabaseUnId worksheet = newWorksheet("color", "S1");
    API_GhostRecord ghost{};
    ghost.parentDatabase = worksheet;
    ghost.ghostDatabase = section;
    ASSERT_EQ(ACAPI_Environment(APIEnv_CreateGhostRecordID, &ghost), NoError);
    ASSERT_EQ(changeWindow(APIWind_SectionID, section), NoError);
    const QJsonObject before = projectState();

    ASSERT_EQ(ACAPI_CallUndoableCommand("Delete Section S1", [&] { return ACAPI_Element_Delete({cut}); }),
              NoError);
    EXPECT_TRUE(host().project().databasesOfType(APIWind_SectionID).empty());
    EXPECT_TRUE(host().project().ghosts.empty());  // no ghost of a database that is gone
    API_WindowInfo window{};
    ACAPI_Database(APIDb_GetCurrentWindowID, &window);
    EXPECT_EQ(window.typeID, APIWind_FloorPlanID);

    ASSERT_TRUE(host().undo());
    QJsonObject restored = projectState();
    // The window is no part of the model: it stays where the deletion left it.
    restored["currentWindow"] = before["currentWindow"];
    restored["currentDatabase"] = before["currentDatabase"];
    EXPECT_EQ(restored, before);
}

}  // namespace
