// Registration of menus, services and handlers, the add-on's own identity, and menu item state.
#include "host/sim/HostState.hpp"

using krx::sim::AddOnPhase;
using krx::sim::AddOnRecord;
using krx::sim::Call;
using krx::sim::MenuRecord;
using krx::sim::state;

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

MenuRecord* findMenu(Int16 menuResID) {
    // The calling add-on's menu first, then any: menu ids are unique in practice.
    AddOnRecord* caller = state().callingAddOn();
    MenuRecord* any = nullptr;
    for (MenuRecord& menu : state().menus) {
        if (menu.menuResID != menuResID) {
            continue;
        }
        if (caller != nullptr && menu.module == caller->module) {
            return &menu;
        }
        any = &menu;
    }
    return any;
}

krx::sim::MenuItemRecord* findItem(const void* par1) {
    const auto* ref = static_cast<const API_MenuItemRef*>(par1);
    if (ref == nullptr) {
        return nullptr;
    }
    MenuRecord* menu = findMenu(ref->menuResID);
    if (menu == nullptr || ref->itemIndex < 1 || ref->itemIndex > static_cast<Int16>(menu->items.size())) {
        return nullptr;
    }
    return &menu->items[static_cast<std::size_t>(ref->itemIndex - 1)];
}

}  // namespace

GSErrCode ACAPI_Register_Menu(Int16 menuStrResID, Int16 promptStrResID, APIMenuCodeID menuPosCode,
                              GSFlags menuFlags) {
    Call call("ACAPI_Register_Menu");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (addOn == nullptr || addOn->phase != AddOnPhase::Registering) {
        return call.done(APIERR_REFUSEDCMD);
    }
    if (menuPosCode != MenuCode_UserDef || addOn->resources.stringCount(menuStrResID) == 0) {
        return call.done(APIERR_BADPARS);
    }
    int group = 0;
    std::size_t offset = 0;
    for (const MenuRecord& menu : state().menus) {
        if (menu.module == addOn->module && menu.menuResID == menuStrResID) {
            return call.done(APIERR_BADPARS);
        }
    }
    if ((menuFlags & MenuFlag_InsertIntoSame) != 0) {
        for (const MenuRecord& menu : state().menus) {
            if (menu.module == addOn->module) {
                group = menu.group;
            }
        }
    }
    if (group == 0) {
        group = state().nextMenuGroup++;
    }
    // A host menu made of several registrations numbers its items in sequence; the prompt list
    // describes the whole host menu in that order.
    for (const MenuRecord& menu : state().menus) {
        if (menu.group == group) {
            offset += menu.items.size();
        }
    }
    MenuRecord record;
    record.menuResID = menuStrResID;
    record.promptResID = promptStrResID;
    record.registrationFlags = menuFlags;
    record.module = addOn->module;
    record.group = group;
    const int count = addOn->resources.stringCount(menuStrResID);
    for (int i = 1; i <= count; ++i) {
        krx::sim::MenuItemRecord item;
        item.text = GS::UniString(addOn->resources.indString(menuStrResID, i).value_or(""), GS::CC_UTF8);
        const auto prompt = addOn->resources.indString(promptStrResID, static_cast<int>(offset) + i);
        item.prompt = GS::UniString(prompt.value_or(""), GS::CC_UTF8);
        record.items.push_back(item);
    }
    state().menus.push_back(record);
    return call.done(NoError);
}

GSErrCode ACAPI_Register_SupportedService(GSType cmdID, Int32 cmdVersion) {
    Call call("ACAPI_Register_SupportedService", cmdID);
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (addOn == nullptr || addOn->phase != AddOnPhase::Registering) {
        return call.done(APIERR_REFUSEDCMD);
    }
    for (const krx::sim::ServiceRecord& service : addOn->services) {
        if (service.cmdID == cmdID && service.cmdVersion == cmdVersion) {
            return call.done(APIERR_BADPARS);
        }
    }
    addOn->services.push_back({cmdID, cmdVersion, nullptr});
    return call.done(NoError);
}

GSErrCode ACAPI_Install_MenuHandler(Int16 menuStrResID, APIMenuCommandProc* handlerProc) {
    Call call("ACAPI_Install_MenuHandler");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (addOn == nullptr || !addOn->loaded || addOn->phase == AddOnPhase::Registering) {
        return call.done(APIERR_REFUSEDCMD);
    }
    for (MenuRecord& menu : state().menus) {
        if (menu.module == addOn->module && menu.menuResID == menuStrResID) {
            menu.handler = handlerProc;
            return call.done(handlerProc == nullptr ? APIERR_BADPARS : NoError);
        }
    }
    return call.done(APIERR_BADPARS);
}

GSErrCode ACAPI_Install_ModulCommandHandler(GSType cmdID, Int32 cmdVersion,
                                            APIModulCommandProc* handlerProc) {
    Call call("ACAPI_Install_ModulCommandHandler", cmdID);
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (addOn == nullptr || !addOn->loaded || addOn->phase == AddOnPhase::Registering) {
        return call.done(APIERR_REFUSEDCMD);
    }
    for (krx::sim::ServiceRecord& service : addOn->services) {
        if (service.cmdID == cmdID && service.cmdVersion == cmdVersion) {
            service.handler = handlerProc;
            return call.done(handlerProc == nullptr ? APIERR_BADPARS : NoError);
        }
    }
    return call.done(APIERR_MODULCMDNOTSUPPORTED);
}

GSErrCode ACAPI_KeepInMemory(bool keepIt) {
    Call call("ACAPI_KeepInMemory");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (addOn == nullptr || !addOn->loaded) {
        return call.done(APIERR_REFUSEDCMD);
    }
    addOn->keepInMemory = keepIt;
    return call.done(NoError);
}

GSErrCode ACAPI_Notify_CatchProjectEvent(GSFlags eventTypes, APIProjectEventHandlerProc* handlerProc) {
    Call call("ACAPI_Notify_CatchProjectEvent");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (addOn == nullptr || !addOn->loaded) {
        return call.done(APIERR_REFUSEDCMD);
    }
    if (eventTypes != 0 && handlerProc == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    addOn->eventMask = eventTypes;
    addOn->eventHandler = eventTypes == 0 ? nullptr : handlerProc;
    return call.done(NoError);
}

GSResModule ACAPI_GetOwnResModule(void) {
    Call call("ACAPI_GetOwnResModule", 0, Call::Threads::Any);
    if (call.refused()) {
        return 0;  // no resource module: every resource read from it fails
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    return addOn == nullptr ? 0 : addOn->module;
}

GSErrCode ACAPI_GetOwnLocation(IO::Location* ownFileLoc) {
    Call call("ACAPI_GetOwnLocation");
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    AddOnRecord* addOn = state().callingAddOn();
    if (ownFileLoc == nullptr || addOn == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    *ownFileLoc = IO::Location(GS::UniString(addOn->bundlePath, GS::CC_UTF8));
    return call.done(NoError);
}

GSErrCode ACAPI_Interface(API_InterfaceID code, void* par1, void* par2, void* /*par3*/) {
    Call call("ACAPI_Interface", code);
    if (call.refused()) {
        return call.refusal();
    }
    Lock lock(state().mutex);
    krx::sim::MenuItemRecord* item = findItem(par1);
    if (item == nullptr || par2 == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    switch (code) {
        case APIIo_GetMenuItemFlagsID:
            *static_cast<GSFlags*>(par2) = item->flags;
            return call.done(NoError);
        case APIIo_SetMenuItemFlagsID:
            item->flags = *static_cast<const GSFlags*>(par2) & (API_MenuItemDisabled | API_MenuItemChecked);
            return call.done(NoError);
        case APIIo_GetMenuItemTextID:
            *static_cast<GS::UniString*>(par2) = item->text;
            return call.done(NoError);
        case APIIo_SetMenuItemTextID:
            item->text = *static_cast<const GS::UniString*>(par2);
            return call.done(NoError);
    }
    return call.done(APIERR_NOTSUPPORTED);
}
