// Fault injection, leak accounting, parameter lists, images, the project file and the snapshot.
#include <QImage>
#include <QJsonArray>

#include <cstring>

#include "tests/host/HostFixture.hpp"

namespace {

using krx::test::HostFixture;

class HostServicesTest : public HostFixture {};

std::vector<int> events;

GSErrCode recordEvent(API_NotifyEventID event, Int32 /*param*/) {
    events.push_back(event);
    return NoError;
}

TEST_F(HostServicesTest, ProjectEventsReachTheAddOnByItsMaskAndItKnowsWhereItLies) {
    events.clear();
    ASSERT_EQ(ACAPI_Notify_CatchProjectEvent(APINotify_Open | APINotify_Close, recordEvent), NoError);
    const std::string file = tmp() + "/p.json";
    ASSERT_EQ(host().saveProject(file), NoError);
    host().newProject(false);
    host().newProject(true);
    ASSERT_EQ(host().openProject(file), NoError);
    host().closeProject();
    EXPECT_EQ(events, (std::vector<int>{APINotify_Open, APINotify_Close}));

    ASSERT_EQ(ACAPI_Notify_CatchProjectEvent(0, nullptr), NoError);
    host().closeProject();
    EXPECT_EQ(events.size(), 2u);

    IO::Location own;
    ASSERT_EQ(ACAPI_GetOwnLocation(&own), NoError);
    EXPECT_EQ(own.ToDisplayText(), GS::UniString(bundle_));
    GS::UniString name;
    EXPECT_TRUE(RSGetIndString(&name, 2, 1, ACAPI_GetOwnResModule()));
    EXPECT_EQ(name, "Item");
    EXPECT_FALSE(RSGetIndString(&name, 2, 2, ACAPI_GetOwnResModule()));
    EXPECT_EQ(name, "Item");
}

TEST_F(HostServicesTest, InjectedFaultsHitTheNamedCallTheGivenNumberOfTimes) {
    API_DatabaseInfo floorPlan{};
    floorPlan.typeID = APIWind_FloorPlanID;
    const auto changeDatabase = [&] { return ACAPI_Database(APIDb_ChangeCurrentDatabaseID, &floorPlan); };

    struct Case {
        std::string name;  // a function, a selector or its four-character code
        int count;
    };
    const Case cases[] = {{"CDAT", 2}, {"APIDb_ChangeCurrentDatabaseID", 1}, {"ACAPI_Database", 3}};
    for (const Case& c : cases) {
        host().failNext(c.name, c.count, -1234);
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(changeDatabase(), -1234) << c.name << " call " << i;
        }
        EXPECT_EQ(changeDatabase(), NoError) << c.name;
    }
    host().failAlways("ACAPI_Element_GetDefaults", APIERR_GENERAL);
    API_Element element{};
    element.header.typeID = API_PictureID;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ACAPI_Element_GetDefaults(&element, nullptr), APIERR_GENERAL);
    }
    host().clearFaults();
    EXPECT_EQ(ACAPI_Element_GetDefaults(&element, nullptr), NoError);

    // Functions that answer without an error code fail their own way.
    host().failNext("BMAllocateHandle", 1, ErrMemoryFull);
    EXPECT_EQ(BMAllocateHandle(8, 0, 0), nullptr);
    host().failNext("IO::File::GetDataLength", 1, ErrIO);
    const std::string path = tmp() + "/data.bin";
    std::ofstream(path) << "0123456789";
    IO::File file(IO::Location(path.c_str()));
    ASSERT_EQ(file.Open(IO::File::ReadMode), NoError);
    UInt64 length = 0;
    EXPECT_EQ(file.GetDataLength(&length), ErrIO);
    EXPECT_EQ(file.GetDataLength(&length), NoError);
    EXPECT_EQ(length, 10u);
    char buffer[20];
    USize read = 0;
    EXPECT_EQ(file.ReadBin(buffer, 20, &read), ErrIO);  // a short read
    EXPECT_EQ(read, 10u);
    host().failNext("IO::File::Close", 1, ErrIO);
    EXPECT_EQ(file.Close(), ErrIO);
    EXPECT_FALSE(file.IsOpen());
    host().failNext("ACAPI_GetOwnResModule", 1, APIERR_GENERAL);
    EXPECT_EQ(ACAPI_GetOwnResModule(), 0);
    EXPECT_EQ(ACAPI_GetOwnResModule(), module_);
    EXPECT_EQ(host().callCount("CDAT"), 9u);
}

TEST_F(HostServicesTest, LeakReportListsWhatWasHandedOutAndNeverReleased) {
    API_StoryInfo stories{};
    ASSERT_EQ(ACAPI_Environment(APIEnv_GetStorySettingsID, &stories), NoError);
    ASSERT_EQ(stories.lastStory - stories.firstStory + 1, 2);
    EXPECT_EQ(GS::UniString((*stories.data)[1].uName), "First Floor");
    GSHandle list = nullptr;
    ASSERT_EQ(ACAPI_Goodies(APIAny_InitMDCLParameterListID, &list), NoError);
    API_MDCLParameter par{};
    par.name = "x";
    par.type = MDCLPar_float;
    par.float_par = 1.5;
    ASSERT_EQ(ACAPI_Goodies(APIAny_AddMDCLParameterID, list, &par), NoError);

    krx::sim::LeakReport report = host().leaks();
    EXPECT_EQ(report.handles, 1u);
    EXPECT_EQ(report.parameterLists, 1u);
    ASSERT_EQ(report.lines.size(), 2u);
    EXPECT_EQ(report.lines[0], "handle #1 of " + std::to_string(2 * sizeof(API_StoryType)) + " bytes");
    EXPECT_EQ(report.lines[1], "parameter list #2 with 1 parameters");

    BMKillHandle(reinterpret_cast<GSHandle*>(&stories.data));
    ACAPI_Goodies(APIAny_FreeMDCLParameterListID, &list);
    EXPECT_EQ(list, nullptr);
    EXPECT_TRUE(host().leaks().empty());
    // Releasing twice is refused, not a crash.
    GSHandle stale = reinterpret_cast<GSHandle>(&par);
    EXPECT_EQ(ACAPI_Goodies(APIAny_FreeMDCLParameterListID, &stale), APIERR_BADPARS);
}

TEST_F(HostServicesTest, ParameterListsAreReadByNameAndType) {
    GSHandle list = nullptr;
    ASSERT_EQ(ACAPI_Goodies(APIAny_InitMDCLParameterListID, &list), NoError);
    std::string text = "{00000000-0000-0000-0000-000000000001}";
    API_MDCLParameter add{};
    add.name = "sectionUUID";
    add.type = MDCLPar_string;
    add.string_par = text.c_str();
    ASSERT_EQ(ACAPI_Goodies(APIAny_AddMDCLParameterID, list, &add), NoError);
    text.assign(text.size(), 'x');  // the host keeps its own copy
    EXPECT_EQ(ACAPI_Goodies(APIAny_AddMDCLParameterID, list, &add), APIERR_BADNAME);

    API_MDCLParameter get{};
    get.name = "sectionUUID";
    ASSERT_EQ(ACAPI_Goodies(APIAny_GetMDCLParameterID, list, &get), NoError);
    EXPECT_EQ(get.type, MDCLPar_string);
    EXPECT_STREQ(get.string_par, "{00000000-0000-0000-0000-000000000001}");
    get = {};
    get.name = "missing";
    EXPECT_EQ(ACAPI_Goodies(APIAny_GetMDCLParameterID, list, &get), APIERR_BADNAME);
    Int32 count = 0;
    ASSERT_EQ(ACAPI_Goodies(APIAny_GetMDCLParameterNumID, list, &count), NoError);
    EXPECT_EQ(count, 1);

    // Posting to a module nobody has, or a command the add-on does not offer, leaves the list here.
    const API_ModulID nobody{1, 2};
    const API_ModulID own{kDeveloper, kLocal};
    EXPECT_EQ(ACAPI_Command_CallFromEventLoop(&nobody, FourCC("TEST"), 1, list, false, nullptr),
              APIERR_MODULNOTINSTALLED);
    EXPECT_EQ(ACAPI_Command_CallFromEventLoop(&own, FourCC("TEST"), 2, list, false, nullptr),
              APIERR_MODULCMDNOTSUPPORTED);
    EXPECT_EQ(host().leaks().parameterLists, 1u);
    // Posted without a callback and without a handler: the host runs nothing and frees the list.
    ASSERT_EQ(ACAPI_Command_CallFromEventLoop(&own, FourCC("TEST"), 1, list, false, nullptr), NoError);
    EXPECT_EQ(host().processPending(), 1u);
    EXPECT_TRUE(host().leaks().empty());
}

TEST_F(HostServicesTest, ImageInformationReadsTheRealFile) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    const std::string tiff = tmp() + "/tile.tif";
    const std::string png = tmp() + "/tile.png";
    ASSERT_TRUE(image.save(QString::fromStdString(tiff), "TIFF"));
    ASSERT_TRUE(image.save(QString::fromStdString(png), "PNG"));
    const std::string fake = tmp() + "/fake.tif";
    std::ofstream(fake) << "not an image";
    const std::string empty = tmp() + "/empty.tif";
    std::ofstream{empty};

    struct Case {
        std::string path;
        GSErrCode expected;
    };
    const Case cases[] = {{tiff, NoError},
                          {png, NoError},
                          {fake, ErrNotAnImage},
                          {empty, ErrNotAnImage},
                          {tmp() + "/missing.tif", ErrFileNotFound}};
    for (const Case& c : cases) {
        UInt32 width = 0;
        UInt32 height = 0;
        EXPECT_EQ(GX::ImageBase::GetFileInfo(IO::Location(c.path.c_str()), &width, &height), c.expected)
            << c.path;
        if (c.expected == NoError) {
            EXPECT_EQ(width, 4u);
            EXPECT_EQ(height, 3u);
        }
    }
}

TEST_F(HostServicesTest, ProjectFileKeepsImportedSectionsAndOpeningNotifies) {
    API_Guid cut{};
    ASSERT_EQ(createCutPlane(0, 0, 10, 0, &cut), NoError);
    API_ElementUserData data{};
    data.dataVersion = 1;
    data.platformSign = GS_ACT_PLATFORM_SIGN;
    data.flags = 12;
    data.dataHdl = BMAllocateHandle(3, 0, 0);
    std::memcpy(*data.dataHdl, "u1", 3);
    API_Elem_Head head{};
    head.guid = cut;
    ASSERT_EQ(ACAPI_CallUndoableCommand("tag", [&] { return ACAPI_Element_SetUserData(&head, &data); }),
              NoError);
    BMKillHandle(&data.dataHdl);
    IO::Location library(tmp().c_str());
    ASSERT_EQ(ACAPI_Environment(APIEnv_AddLibrariesID, &library), NoError);
    const QJsonObject saved = projectState();
    const std::string file = tmp() + "/project.json";
    ASSERT_EQ(host().saveProject(file), NoError);

    host().newProject(false);
    EXPECT_TRUE(host().project().elements.empty());
    ASSERT_EQ(host().openProject(file), NoError);
    EXPECT_EQ(projectState(), saved);
    EXPECT_TRUE(host().undoNames().empty());
    ASSERT_EQ(host().openProject(tmp() + "/missing.json"), ErrFileNotFound);

    // The tag reads back as it was written.
    API_ElementUserData back{};
    ASSERT_EQ(ACAPI_Element_GetUserData(&head, &back), NoError);
    EXPECT_EQ(back.platformSign, GS_MAC_PLATFORM_SIGN);
    EXPECT_EQ(BMGetHandleSize(back.dataHdl), 3);
    EXPECT_STREQ(*back.dataHdl, "u1");
    BMKillHandle(&back.dataHdl);
}

TEST_F(HostServicesTest, SnapshotIsStableAndShowsTheWholeState) {
    ASSERT_EQ(createCutPlane(0, 0, 10, 0), NoError);
    DBPrintf("DatabaseControl :: %s", "hello");
    const std::string first = host().snapshotJson();
    EXPECT_EQ(host().snapshotJson(), first);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(first)).object();
    const QJsonObject cut = root["project"].toObject()["elements"].toArray().at(0).toObject();
    EXPECT_EQ(cut["type"].toString(), "cutPlane");
    EXPECT_EQ(cut["section"].toObject()["refId"].toString(), "Korvex");
    EXPECT_EQ(cut["section"].toObject()["markerField152"].toInt(), 1);
    EXPECT_EQ(root["undo"].toArray().at(0).toString(), "Creating Korvex Section");
    EXPECT_EQ(root["debugOutput"].toArray().last().toString(), "DatabaseControl :: hello");
    EXPECT_EQ(root["menus"].toArray().at(0).toObject()["text"].toString(), "Item");
    EXPECT_EQ(root["project"].toObject()["databases"].toArray().size(), 3);
    for (const char* key : {"addOns", "leaks", "pendingCommands"}) {
        EXPECT_TRUE(root.contains(key)) << key;
    }
    for (const char* key :
         {"stories", "layers", "groups", "currentWindow", "projection", "ghosts", "libraries"}) {
        EXPECT_TRUE(root["project"].toObject().contains(key)) << key;
    }
}

}  // namespace
