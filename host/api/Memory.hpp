#pragma once

#include "host/api/ErrorCodes.hpp"
#include "host/api/Types.hpp"

// The host's memory manager. Handles and pointers that the host gives to the add-on (story lists,
// user data, memos) and that the add-on allocates itself belong to the add-on until it releases
// them; the host accounts for every one still held when it quits. Safe from any thread.

constexpr GSFlags ALLOCATE_CLEAR = 1;  // fill new memory with zero bytes

// A handle of `size` bytes, or null when no memory can be had.
GSHandle BMAllocateHandle(GSSize size, GSFlags flags, Int16 reserved);
// Resizes a handle; its content is kept up to the smaller size. Null on failure (the handle is kept).
GSHandle BMReallocHandle(GSHandle handle, GSSize newSize, GSFlags flags, Int16 reserved);
GSSize BMGetHandleSize(GSConstHandle handle);
// Releases the handle and sets *handle to null; a null handle is no error.
GSErrCode BMKillHandle(GSHandle* handle);

GSPtr BMAllocatePtr(GSSize size, GSFlags flags, Int16 reserved);
GSSize BMGetPtrSize(GSConstPtr ptr);
GSErrCode BMKillPtr(GSPtr* ptr);

void BNZeroMemory(void* memory, GSSize size);
