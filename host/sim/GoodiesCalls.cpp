// Module-command parameter lists and the posting of module commands: safe from any thread.
#include <dlfcn.h>

#include "host/sim/HostState.hpp"

using krx::sim::Call;
using krx::sim::HostState;
using krx::sim::Parameter;
using krx::sim::state;

namespace {

std::vector<Parameter>* listOf(HostState& s, GSHandle handle) {
    const auto it = s.parameterLists.find(handle);
    return it == s.parameterLists.end() ? nullptr : &it->second;
}

GSErrCode addParameter(HostState& s, GSHandle list, const API_MDCLParameter* par) {
    std::vector<Parameter>* entries = listOf(s, list);
    if (entries == nullptr || par == nullptr || par->name == nullptr || par->name[0] == '\0') {
        return APIERR_BADPARS;
    }
    for (const Parameter& existing : *entries) {
        if (existing.name == par->name) {
            return APIERR_BADNAME;
        }
    }
    Parameter p;
    p.name = par->name;
    p.type = par->type;
    switch (par->type) {
        case MDCLPar_string:
            if (par->string_par == nullptr) {
                return APIERR_BADPARS;
            }
            p.stringValue = par->string_par;
            break;
        case MDCLPar_int:
            p.intValue = par->int_par;
            break;
        case MDCLPar_float:
            p.floatValue = par->float_par;
            break;
        case MDCLPar_pointer:
            p.pointerValue = par->ptr_par;
            break;
        case MDCLPar_bool:
            p.boolValue = par->bool_par;
            break;
        default:
            return APIERR_BADPARS;
    }
    entries->push_back(p);
    return NoError;
}

GSErrCode getParameter(HostState& s, GSHandle list, API_MDCLParameter* par) {
    std::vector<Parameter>* entries = listOf(s, list);
    if (entries == nullptr || par == nullptr) {
        return APIERR_BADPARS;
    }
    const Parameter* found = nullptr;
    if (par->name != nullptr) {
        for (const Parameter& p : *entries) {
            if (p.name == par->name) {
                found = &p;
                break;
            }
        }
    } else if (par->index >= 1 && par->index <= static_cast<Int32>(entries->size())) {
        found = &(*entries)[static_cast<std::size_t>(par->index - 1)];
    }
    if (found == nullptr) {
        return APIERR_BADNAME;
    }
    par->name = found->name.c_str();
    par->type = found->type;
    par->int_par = found->intValue;
    par->bool_par = found->boolValue;
    par->float_par = found->floatValue;
    par->string_par = found->type == MDCLPar_string ? found->stringValue.c_str() : nullptr;
    par->ptr_par = found->pointerValue;
    return NoError;
}

}  // namespace

GSErrCode ACAPI_Goodies(API_GoodiesID code, void* par1, void* par2) {
    Call call("ACAPI_Goodies", code, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    HostState& s = state();
    switch (code) {
        case APIAny_InitMDCLParameterListID: {
            auto* out = static_cast<GSHandle*>(par1);
            if (out == nullptr) {
                return call.done(APIERR_BADPARS);
            }
            GSHandle list = krx::sim::allocateHandle(0, krx::sim::Allocation::Kind::ParameterList);
            std::lock_guard<std::recursive_mutex> lock(s.mutex);
            s.parameterLists[list] = {};
            *out = list;
            return call.done(NoError);
        }
        case APIAny_AddMDCLParameterID: {
            std::lock_guard<std::recursive_mutex> lock(s.mutex);
            return call.done(
                addParameter(s, static_cast<GSHandle>(par1), static_cast<const API_MDCLParameter*>(par2)));
        }
        case APIAny_GetMDCLParameterID: {
            std::lock_guard<std::recursive_mutex> lock(s.mutex);
            return call.done(
                getParameter(s, static_cast<GSHandle>(par1), static_cast<API_MDCLParameter*>(par2)));
        }
        case APIAny_GetMDCLParameterNumID: {
            std::lock_guard<std::recursive_mutex> lock(s.mutex);
            std::vector<Parameter>* entries = listOf(s, static_cast<GSHandle>(par1));
            if (entries == nullptr || par2 == nullptr) {
                return call.done(APIERR_BADPARS);
            }
            *static_cast<Int32*>(par2) = static_cast<Int32>(entries->size());
            return call.done(NoError);
        }
        case APIAny_FreeMDCLParameterListID: {
            auto* handle = static_cast<GSHandle*>(par1);
            if (handle == nullptr) {
                return call.done(APIERR_BADPARS);
            }
            {
                std::lock_guard<std::recursive_mutex> lock(s.mutex);
                if (listOf(s, *handle) == nullptr) {
                    return call.done(APIERR_BADPARS);  // never a list, or freed already
                }
            }
            krx::sim::releaseHandle(*handle);
            *handle = nullptr;
            return call.done(NoError);
        }
    }
    return call.done(APIERR_NOTSUPPORTED);
}

GSErrCode ACAPI_Command_CallFromEventLoop(const API_ModulID* mdid, GSType cmdID, Int32 cmdVersion,
                                          GSHandle params, bool silentMode,
                                          APICommandCallBackProc* callbackProc) {
    Call call("ACAPI_Command_CallFromEventLoop", cmdID, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    if (mdid == nullptr) {
        return call.done(APIERR_BADPARS);
    }
    HostState& s = state();
    {
        std::lock_guard<std::recursive_mutex> lock(s.mutex);
        if (params != nullptr && listOf(s, params) == nullptr) {
            return call.done(APIERR_BADPARS);
        }
        const krx::sim::AddOnRecord* target = nullptr;
        for (const auto& entry : s.addOns) {
            if (entry.second.mdid && entry.second.mdid->developerID == mdid->developerID &&
                entry.second.mdid->localID == mdid->localID) {
                target = &entry.second;
            }
        }
        if (target == nullptr) {
            return call.done(APIERR_MODULNOTINSTALLED);
        }
        bool offered = false;
        for (const krx::sim::ServiceRecord& service : target->services) {
            offered = offered || (service.cmdID == cmdID && service.cmdVersion == cmdVersion);
        }
        if (!offered) {
            return call.done(APIERR_MODULCMDNOTSUPPORTED);
        }
        krx::sim::PostedCommand command{target->module, cmdID,        cmdVersion, params,
                                        silentMode,     callbackProc, 0,          false};
        Dl_info where{};
        if (callbackProc != nullptr && target->base != nullptr &&
            dladdr(reinterpret_cast<void*>(callbackProc), &where) != 0 && where.dli_fbase == target->base) {
            command.callbackInModule = true;
            command.callbackOffset = reinterpret_cast<const char*>(callbackProc) - target->base;
        }
        s.queue.push_back(command);
    }
    s.posted.notify_all();
    return call.done(NoError);
}
