#pragma once

#include "host/api/ErrorCodes.hpp"
#include "host/api/UniString.hpp"

namespace IO {

// A file or folder location: an absolute path with "/" as separator. Comparison is by text, so two
// spellings of one folder are two locations.
class Location {
public:
    Location() = default;
    explicit Location(const GS::UniString& path) : path_(path) {}
    explicit Location(const char* path) : path_(path) {}

    GSErrCode ToPath(GS::UniString* path) const {
        if (path == nullptr) {
            return ErrParam;
        }
        *path = path_;
        return NoError;
    }
    GS::UniString ToDisplayText() const { return path_; }
    bool IsEmpty() const { return path_.IsEmpty(); }

    // Appends one path component, putting a "/" in between where none is.
    Location& AppendToLocal(const GS::UniString& name) {
        if (!path_.IsEmpty() && !path_.EndsWith("/")) {
            path_ += "/";
        }
        path_ += name;
        return *this;
    }
    // The last path component, or empty.
    GS::UniString GetLastLocalName() const {
        const USize slash = path_.FindLast(u'/');
        return slash == GS::UniString::MaxIndex ? path_ : path_.GetSubstring(slash + 1, path_.GetLength());
    }

    bool operator==(const Location& other) const { return path_ == other.path_; }
    bool operator!=(const Location& other) const { return path_ != other.path_; }

private:
    GS::UniString path_;
};

}  // namespace IO
