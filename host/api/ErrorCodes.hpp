#pragma once

#include "host/api/Types.hpp"

// Result codes of host calls: 0 is success, every refusal is negative.
constexpr GSErrCode NoError = 0;

// Foundation layer (files, images, memory).
constexpr GSErrCode Error = -1;            // unspecified failure
constexpr GSErrCode ErrParam = -2;         // a bad argument
constexpr GSErrCode ErrMemoryFull = -3;    // no memory
constexpr GSErrCode ErrIO = -4;            // a file could not be opened, read or written
constexpr GSErrCode ErrFileNotFound = -5;  // no such file or folder
constexpr GSErrCode ErrNotAnImage = -6;    // the file's content is no image the host can read
constexpr GSErrCode ErrNotOpened = -7;     // the file is not open

// Add-on interface.
constexpr GSErrCode APIERR_GENERAL = -2130000001;            // general failure
constexpr GSErrCode APIERR_MEMFULL = -2130000002;            // no memory
constexpr GSErrCode APIERR_BADPARS = -2130000003;            // bad or missing parameters
constexpr GSErrCode APIERR_BADINDEX = -2130000004;           // an index out of range (stories, attributes)
constexpr GSErrCode APIERR_BADID = -2130000005;              // no element or group with that GUID
constexpr GSErrCode APIERR_BADDATABASE = -2130000006;        // the database is missing or of the wrong kind
constexpr GSErrCode APIERR_BADWINDOW = -2130000007;          // the current window does not allow the call
constexpr GSErrCode APIERR_INVALFLOOR = -2130000008;         // the element's story does not exist
constexpr GSErrCode APIERR_REFUSEDPAR = -2130000009;         // a parameter value the host refuses
constexpr GSErrCode APIERR_REFUSEDCMD = -2130000010;         // the call is refused in this state
constexpr GSErrCode APIERR_NEEDSUNDOSCOPE = -2130000011;     // a model change outside an undoable command
constexpr GSErrCode APIERR_NOTMAINTHREAD = -2130000012;      // a main-thread call from another thread
constexpr GSErrCode APIERR_DELETED = -2130000013;            // the attribute was deleted
constexpr GSErrCode APIERR_MODULNOTINSTALLED = -2130000014;  // no add-on with that module identifier
constexpr GSErrCode APIERR_MODULCMDNOTSUPPORTED = -2130000015;  // the add-on offers no such command
constexpr GSErrCode APIERR_LOCKEDELEMENT = -2130000016;         // a locked element cannot be changed
constexpr GSErrCode APIERR_BADNAME = -2130000017;               // a name is missing, empty or used twice
constexpr GSErrCode APIERR_NOTSUPPORTED = -2130000018;          // the selector or tool code is unknown
constexpr GSErrCode APIERR_FAULTINJECTED = -2130000099;         // default code of an injected refusal
