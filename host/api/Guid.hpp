#pragma once

#include <cstddef>
#include <functional>

#include "host/api/Types.hpp"
#include "host/api/UniString.hpp"

// The host's identifier of elements and groups (and, inside API_DatabaseUnId, of databases).
struct API_Guid {
    UInt32 time_low;
    UInt16 time_mid;
    UInt16 time_hi_and_version;
    UInt8 clock_seq_hi_and_reserved;
    UInt8 clock_seq_low;
    UInt8 node[6];
};

constexpr API_Guid APINULLGuid = {0, 0, 0, 0, 0, {0, 0, 0, 0, 0, 0}};

bool operator==(const API_Guid& a, const API_Guid& b);
inline bool operator!=(const API_Guid& a, const API_Guid& b) {
    return !(a == b);
}
bool operator<(const API_Guid& a, const API_Guid& b);

// Registry text form with upper-case digits and without braces: "6F9619FF-8B86-D011-B42D-00C04FC964FF".
GS::UniString APIGuidToString(const API_Guid& guid);
// Parses the text form, with or without braces; APINULLGuid when the text is not a GUID.
API_Guid APIGuidFromString(const char* text);
bool APIGuidIsNull(const API_Guid& guid);

namespace std {
template <>
struct hash<API_Guid> {
    std::size_t operator()(const API_Guid& guid) const;
};
}  // namespace std
