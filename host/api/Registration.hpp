#pragma once

#include "host/api/ErrorCodes.hpp"
#include "host/api/Location.hpp"
#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"

// The add-on's entry points, its registration with the host, and its module commands.

enum API_AddonType : Int32 {
    APIAddon_DontRegister = 0,
    APIAddon_Normal = 1,   // registered, loaded at its first command
    APIAddon_Preload = 2,  // registered, and loaded again right away
};

struct API_AddOnInfo {
    GS::UniString name;
    GS::UniString description;
};

struct API_ServerApplicationInfo {
    Int32 mainVersion;
    Int32 releaseVersion;
};

struct API_EnvirParams {
    API_AddOnInfo addOnInfo;
    API_ServerApplicationInfo serverInfo;
};

// Module identifier of an add-on: developer and local identifier, read by the host from the add-on's
// 'MDID' resource.
struct API_ModulID {
    UInt32 developerID;
    UInt32 localID;
};

struct API_MenuItemRef {
    Int16 menuResID;
    Int16 itemIndex;  // from 1
};

struct API_MenuParams {
    API_MenuItemRef menuItemRef;
};

enum APIMenuCodeID : Int32 {
    MenuCode_UserDef = 0,  // a menu of the add-on's own
};

constexpr GSFlags Menu_Flag_None = 0;
constexpr GSFlags MenuFlag_InsertIntoSame = 4;  // into the menu of the previous registration

// Project events, also the bits of the mask given to ACAPI_Notify_CatchProjectEvent.
enum API_NotifyEventID : Int32 {
    APINotify_New = 1,
    APINotify_NewAndReset = 2,
    APINotify_Open = 4,
    APINotify_PreSave = 8,
    APINotify_Save = 16,
    APINotify_Close = 32,
    APINotify_Quit = 64,
};

using APIMenuCommandProc = GSErrCode(const API_MenuParams* menuParams);
using APIModulCommandProc = GSErrCode(GSHandle paramHandle, GSPtr resultData, bool silentMode);
using APICommandCallBackProc = void(GSHandle* paramHandle, GSPtr resultData, GSErrCode returnCode);
using APIProjectEventHandlerProc = GSErrCode(API_NotifyEventID notifID, Int32 param);

// The four entry points every add-on defines; the host looks them up by these names.
#define KRX_ADDON_ENTRY extern "C" __attribute__((visibility("default")))
KRX_ADDON_ENTRY API_AddonType CheckEnvironment(API_EnvirParams* envir);
KRX_ADDON_ENTRY GSErrCode RegisterInterface(void);
KRX_ADDON_ENTRY GSErrCode Initialize(void);
KRX_ADDON_ENTRY GSErrCode FreeData(void);

// Only inside RegisterInterface: a menu from string list `menuStrResID` (its items are the menu's
// items), with the status-bar prompts of string list `promptStrResID`.
GSErrCode ACAPI_Register_Menu(Int16 menuStrResID, Int16 promptStrResID, APIMenuCodeID menuPosCode,
                              GSFlags menuFlags);
// Only inside RegisterInterface: a module command the add-on offers.
GSErrCode ACAPI_Register_SupportedService(GSType cmdID, Int32 cmdVersion);
GSErrCode ACAPI_Install_MenuHandler(Int16 menuStrResID, APIMenuCommandProc* handlerProc);
GSErrCode ACAPI_Install_ModulCommandHandler(GSType cmdID, Int32 cmdVersion, APIModulCommandProc* handlerProc);
// Keeps the add-on loaded until the host quits (or loads it only for each command when false).
GSErrCode ACAPI_KeepInMemory(bool keepIt);
// Project events whose bit is in `eventTypes` go to `handlerProc`; 0 ends the notifications.
GSErrCode ACAPI_Notify_CatchProjectEvent(GSFlags eventTypes, APIProjectEventHandlerProc* handlerProc);
GSResModule ACAPI_GetOwnResModule(void);
// The add-on's bundle folder.
GSErrCode ACAPI_GetOwnLocation(IO::Location* ownFileLoc);

// Posts a module command to the add-on `mdid`; safe from any thread. On success the list belongs to
// the host: it runs the handler on the main thread, then `callbackProc`, which releases the list
// (without a callback the host releases it). On an error the list stays the caller's.
GSErrCode ACAPI_Command_CallFromEventLoop(const API_ModulID* mdid, GSType cmdID, Int32 cmdVersion,
                                          GSHandle params, bool silentMode,
                                          APICommandCallBackProc* callbackProc);
