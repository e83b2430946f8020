// The host's memory manager with the accounting behind the leak report, the debug output and the
// resource strings: the host calls that any thread may make.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "host/sim/HostState.hpp"

namespace krx::sim {

GSHandle allocateHandle(GSSize size, Allocation::Kind kind) {
    if (size < 0) {
        return nullptr;
    }
    GSHandle handle = new char*;
    *handle = new char[static_cast<std::size_t>(size) + 1]();
    HostState& s = state();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    s.allocations[handle] = Allocation{kind, size, ++s.allocationSeq};
    return handle;
}

void releaseHandle(GSHandle handle) {
    {
        HostState& s = state();
        std::lock_guard<std::recursive_mutex> lock(s.mutex);
        s.allocations.erase(handle);
        s.parameterLists.erase(handle);
    }
    delete[] * handle;
    delete handle;
}

GSPtr allocatePtr(GSSize size) {
    if (size < 0) {
        return nullptr;
    }
    GSPtr ptr = new char[static_cast<std::size_t>(size) + 1]();
    HostState& s = state();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    s.allocations[ptr] = Allocation{Allocation::Kind::Pointer, size, ++s.allocationSeq};
    return ptr;
}

namespace {

const Allocation* find(const void* block, Allocation::Kind kind) {
    HostState& s = state();
    const auto it = s.allocations.find(block);
    return it == s.allocations.end() || it->second.kind != kind ? nullptr : &it->second;
}

}  // namespace
}  // namespace krx::sim

using krx::sim::Allocation;
using krx::sim::Call;
using krx::sim::state;

GSHandle BMAllocateHandle(GSSize size, GSFlags /*flags*/, Int16 /*reserved*/) {
    Call call("BMAllocateHandle", 0, Call::Threads::Any);
    if (call.refused()) {
        return nullptr;
    }
    GSHandle handle = krx::sim::allocateHandle(size, Allocation::Kind::Handle);
    call.done(handle == nullptr ? ErrMemoryFull : NoError);
    return handle;
}

GSHandle BMReallocHandle(GSHandle handle, GSSize newSize, GSFlags /*flags*/, Int16 /*reserved*/) {
    Call call("BMReallocHandle", 0, Call::Threads::Any);
    if (call.refused() || newSize < 0) {
        return nullptr;
    }
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    auto it = state().allocations.find(handle);
    if (it == state().allocations.end() || it->second.kind != Allocation::Kind::Handle) {
        call.done(ErrParam);
        return nullptr;
    }
    char* bigger = new char[static_cast<std::size_t>(newSize) + 1]();
    std::memcpy(bigger, *handle, static_cast<std::size_t>(std::min(newSize, it->second.size)));
    delete[] * handle;
    *handle = bigger;
    it->second.size = newSize;
    call.done(NoError);
    return handle;
}

GSSize BMGetHandleSize(GSConstHandle handle) {
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    const Allocation* a = krx::sim::find(handle, Allocation::Kind::Handle);
    return a == nullptr ? 0 : a->size;
}

GSErrCode BMKillHandle(GSHandle* handle) {
    Call call("BMKillHandle", 0, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    if (handle == nullptr || *handle == nullptr) {
        return call.done(NoError);
    }
    {
        std::lock_guard<std::recursive_mutex> lock(state().mutex);
        if (krx::sim::find(*handle, Allocation::Kind::Handle) == nullptr) {
            return call.done(ErrParam);  // not a handle of ours, or already released
        }
    }
    krx::sim::releaseHandle(*handle);
    *handle = nullptr;
    return call.done(NoError);
}

GSPtr BMAllocatePtr(GSSize size, GSFlags /*flags*/, Int16 /*reserved*/) {
    Call call("BMAllocatePtr", 0, Call::Threads::Any);
    if (call.refused()) {
        return nullptr;
    }
    GSPtr ptr = krx::sim::allocatePtr(size);
    call.done(ptr == nullptr ? ErrMemoryFull : NoError);
    return ptr;
}

GSSize BMGetPtrSize(GSConstPtr ptr) {
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    const Allocation* a = krx::sim::find(ptr, Allocation::Kind::Pointer);
    return a == nullptr ? 0 : a->size;
}

GSErrCode BMKillPtr(GSPtr* ptr) {
    Call call("BMKillPtr", 0, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    if (ptr == nullptr || *ptr == nullptr) {
        return call.done(NoError);
    }
    {
        std::lock_guard<std::recursive_mutex> lock(state().mutex);
        if (krx::sim::find(*ptr, Allocation::Kind::Pointer) == nullptr) {
            return call.done(ErrParam);
        }
        state().allocations.erase(*ptr);
    }
    delete[] * ptr;
    *ptr = nullptr;
    return call.done(NoError);
}

void BNZeroMemory(void* memory, GSSize size) {
    if (memory != nullptr && size > 0) {
        std::memset(memory, 0, static_cast<std::size_t>(size));
    }
}

void DBPrintf(const char* format, ...) {
    Call call("DBPrintf", 0, Call::Threads::Any);
    if (format == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string line(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(line.data(), line.size() + 1, format, args);
    }
    va_end(args);
    while (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    state().debugOutput.push_back(line);
}

bool RSGetIndString(GS::UniString* text, GSResID resID, Int32 index, GSResModule resModule) {
    Call call("RSGetIndString", 0, Call::Threads::Any);
    if (call.refused() || text == nullptr) {
        return false;
    }
    std::lock_guard<std::recursive_mutex> lock(state().mutex);
    const krx::sim::AddOnRecord* addOn = state().addOn(resModule);
    if (addOn == nullptr) {
        call.done(APIERR_BADPARS);
        return false;
    }
    const std::optional<std::string> found = addOn->resources.indString(resID, index);
    if (!found) {
        call.done(APIERR_BADINDEX);
        return false;
    }
    *text = GS::UniString(*found, GS::CC_UTF8);
    return true;
}
