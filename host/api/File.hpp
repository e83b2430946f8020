#pragma once

#include <cstdio>

#include "host/api/ErrorCodes.hpp"
#include "host/api/Location.hpp"

namespace IO {

// A file of the file system, opened for reading or writing whole.
class File {
public:
    enum OnNotFound { Fail, Create };
    enum OpenMode { ReadMode, WriteMode, ReadWriteMode };

    explicit File(const Location& location, OnNotFound onNotFound = Fail);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // NoError when the location names a file (or one will be created on open).
    GSErrCode GetStatus() const { return status_; }

    GSErrCode Open(OpenMode mode);
    GSErrCode Close();
    bool IsOpen() const { return handle_ != nullptr; }

    GSErrCode GetDataLength(UInt64* length) const;
    // Reads up to `count` bytes; `read` (optional) receives the number read.
    GSErrCode ReadBin(char* destination, USize count, USize* read = nullptr);
    GSErrCode WriteBin(const char* source, USize count, USize* written = nullptr);

private:
    Location location_;
    OnNotFound onNotFound_;
    GSErrCode status_ = NoError;
    std::FILE* handle_ = nullptr;
};

}  // namespace IO
