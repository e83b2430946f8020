// A small add-on of the host tests' own: it exercises loading, registration, menus, module commands
// posted from a worker thread, project events and unloading, and reports what it sees through the
// host's debug output.
#include <string>
#include <thread>

#include "host/api/ACAPinc.hpp"
#include "tests/host/bundle/TestAddOnIds.hpp"

namespace {

const API_ModulID kOwnId = {TEST_MDID_DEVELOPER, TEST_MDID_LOCAL};
constexpr GSType kCommand = FourCC("TCMD");

// Program load and unload are visible through this object. Its destructor asks the host who it is,
// as an add-on's program-unload destructors do when they reset its menus.
struct LoadWitness {
    LoadWitness() { DBPrintf("TestAddOn loaded"); }
    ~LoadWitness() { DBPrintf("TestAddOn unloaded %d", static_cast<int>(ACAPI_GetOwnResModule())); }
} witness;

std::thread worker;

bool addInt(GSHandle list, const char* name, Int32 value) {
    API_MDCLParameter par{};
    par.name = name;
    par.type = MDCLPar_int;
    par.int_par = value;
    return ACAPI_Goodies(APIAny_AddMDCLParameterID, list, &par) == NoError;
}

void CommandCallBack(GSHandle* paramHandle, GSPtr /*resultData*/, GSErrCode returnCode) {
    DBPrintf("TestAddOn callback %d", static_cast<int>(returnCode));
    if (paramHandle != nullptr) {
        ACAPI_Goodies(APIAny_FreeMDCLParameterListID, paramHandle);
    }
}

// Posts `count` commands numbered from 1, as a listener thread of an add-on would.
void postFromWorker(int count) {
    for (int i = 1; i <= count; ++i) {
        GSHandle list = nullptr;
        if (ACAPI_Goodies(APIAny_InitMDCLParameterListID, &list) != NoError) {
            continue;
        }
        if (!addInt(list, "n", i) ||
            ACAPI_Command_CallFromEventLoop(&kOwnId, kCommand, 1, list, false, CommandCallBack) != NoError) {
            ACAPI_Goodies(APIAny_FreeMDCLParameterListID, &list);
        }
    }
    // A model call from this thread: the host must refuse it.
    API_DatabaseInfo info{};
    DBPrintf("TestAddOn worker GDAT %d", static_cast<int>(ACAPI_Database(APIDb_GetCurrentDatabaseID, &info)));
}

GSErrCode CommandHandler(GSHandle paramHandle, GSPtr /*resultData*/, bool /*silentMode*/) {
    API_MDCLParameter par{};
    par.name = "n";
    if (ACAPI_Goodies(APIAny_GetMDCLParameterID, paramHandle, &par) != NoError || par.type != MDCLPar_int) {
        DBPrintf("TestAddOn command without n");
        return APIERR_BADPARS;
    }
    API_DatabaseInfo info{};
    const GSErrCode db = ACAPI_Database(APIDb_GetCurrentDatabaseID, &info);
    DBPrintf("TestAddOn command n=%d GDAT %d", static_cast<int>(par.int_par), static_cast<int>(db));
    return NoError;
}

GSErrCode MenuHandler(const API_MenuParams* menuParams) {
    const API_MenuItemRef& ref = menuParams->menuItemRef;
    DBPrintf("TestAddOn menu %d %d", ref.menuResID, ref.itemIndex);
    if (ref.menuResID == TEST_MENU_MAIN && ref.itemIndex == 1) {
        GSFlags flags = 0;
        ACAPI_Interface(APIIo_GetMenuItemFlagsID, const_cast<API_MenuItemRef*>(&ref), &flags);
        flags ^= API_MenuItemChecked;
        ACAPI_Interface(APIIo_SetMenuItemFlagsID, const_cast<API_MenuItemRef*>(&ref), &flags);
        GS::UniString text;
        ACAPI_Interface(APIIo_GetMenuItemTextID, const_cast<API_MenuItemRef*>(&ref), &text);
        text += " (toggled)";
        ACAPI_Interface(APIIo_SetMenuItemTextID, const_cast<API_MenuItemRef*>(&ref), &text);
    } else if (ref.menuResID == TEST_MENU_MAIN && ref.itemIndex == 2) {
        ACAPI_KeepInMemory(true);
    } else if (ref.menuResID == TEST_MENU_MAIN && ref.itemIndex == 3) {
        if (!worker.joinable()) {
            worker = std::thread(postFromWorker, 5);
        }
    } else if (ref.menuResID == TEST_MENU_EXTRA) {
        BMAllocateHandle(16, 0, 0);
    }
    return NoError;
}

GSErrCode NotificationHandler(API_NotifyEventID notifID, Int32 /*param*/) {
    DBPrintf("TestAddOn event %d", static_cast<int>(notifID));
    return NoError;
}

}  // namespace

API_AddonType CheckEnvironment(API_EnvirParams* envir) {
    RSGetIndString(&envir->addOnInfo.name, TEST_ADDON_INFO, 1, ACAPI_GetOwnResModule());
    RSGetIndString(&envir->addOnInfo.description, TEST_ADDON_INFO, 2, ACAPI_GetOwnResModule());
    return APIAddon_Normal;
}

GSErrCode RegisterInterface(void) {
    GSErrCode err = ACAPI_Register_Menu(TEST_MENU_MAIN, TEST_PROMPTS, MenuCode_UserDef, Menu_Flag_None);
    err += ACAPI_Register_Menu(TEST_MENU_EXTRA, TEST_PROMPTS, MenuCode_UserDef, MenuFlag_InsertIntoSame);
    err += ACAPI_Register_SupportedService(kCommand, 1);
    DBPrintf("TestAddOn RegisterInterface %d", static_cast<int>(err));
    return err;
}

GSErrCode Initialize(void) {
    GSErrCode err = ACAPI_Install_MenuHandler(TEST_MENU_MAIN, MenuHandler);
    err += ACAPI_Install_MenuHandler(TEST_MENU_EXTRA, MenuHandler);
    err += ACAPI_Install_ModulCommandHandler(kCommand, 1, CommandHandler);
    err += ACAPI_Notify_CatchProjectEvent(
        APINotify_New | APINotify_NewAndReset | APINotify_Open | APINotify_Close, NotificationHandler);
    DBPrintf("TestAddOn Initialize %d", static_cast<int>(err));
    return err;
}

GSErrCode FreeData(void) {
    if (worker.joinable()) {
        worker.join();
    }
    DBPrintf("TestAddOn FreeData");
    return NoError;
}
