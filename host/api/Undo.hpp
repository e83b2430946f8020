#pragma once

#include <functional>

#include "host/api/ErrorCodes.hpp"
#include "host/api/UniString.hpp"

// Runs `command` as one entry of the host's Undo list named `undoString`, and returns its result.
// Every change of the model must happen inside; commands do not nest. When the command returns an
// error, the host takes back what it changed and adds no entry.
GSErrCode ACAPI_CallUndoableCommand(const GS::UniString& undoString,
                                    const std::function<GSErrCode()>& command);
