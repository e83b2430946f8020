#include "host/api/Guid.hpp"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

void toBytes(const API_Guid& guid, unsigned char bytes[16]) {
    bytes[0] = static_cast<unsigned char>(guid.time_low >> 24);
    bytes[1] = static_cast<unsigned char>(guid.time_low >> 16);
    bytes[2] = static_cast<unsigned char>(guid.time_low >> 8);
    bytes[3] = static_cast<unsigned char>(guid.time_low);
    bytes[4] = static_cast<unsigned char>(guid.time_mid >> 8);
    bytes[5] = static_cast<unsigned char>(guid.time_mid);
    bytes[6] = static_cast<unsigned char>(guid.time_hi_and_version >> 8);
    bytes[7] = static_cast<unsigned char>(guid.time_hi_and_version);
    bytes[8] = guid.clock_seq_hi_and_reserved;
    bytes[9] = guid.clock_seq_low;
    std::memcpy(bytes + 10, guid.node, 6);
}

}  // namespace

bool operator==(const API_Guid& a, const API_Guid& b) {
    unsigned char x[16];
    unsigned char y[16];
    toBytes(a, x);
    toBytes(b, y);
    return std::memcmp(x, y, 16) == 0;
}

bool operator<(const API_Guid& a, const API_Guid& b) {
    unsigned char x[16];
    unsigned char y[16];
    toBytes(a, x);
    toBytes(b, y);
    return std::memcmp(x, y, 16) < 0;
}

GS::UniString APIGuidToString(const API_Guid& guid) {
    char text[40];
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned>(guid.time_low), static_cast<unsigned>(guid.time_mid),
                  static_cast<unsigned>(guid.time_hi_and_version),
                  static_cast<unsigned>(guid.clock_seq_hi_and_reserved),
                  static_cast<unsigned>(guid.clock_seq_low), guid.node[0], guid.node[1], guid.node[2],
                  guid.node[3], guid.node[4], guid.node[5]);
    return GS::UniString(text);
}

API_Guid APIGuidFromString(const char* text) {
    if (text == nullptr) {
        return APINULLGuid;
    }
    std::string s(text);
    if (s.size() == 38 && s.front() == '{' && s.back() == '}') {
        s = s.substr(1, 36);
    }
    if (s.size() != 36 || s[8] != '-' || s[13] != '-' || s[18] != '-' || s[23] != '-') {
        return APINULLGuid;
    }
    std::string hex;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            continue;
        }
        if (std::isxdigit(static_cast<unsigned char>(s[i])) == 0) {
            return APINULLGuid;
        }
        hex += s[i];
    }
    unsigned char bytes[16];
    for (int i = 0; i < 16; ++i) {
        bytes[i] = static_cast<unsigned char>(
            std::stoul(hex.substr(static_cast<std::size_t>(2 * i), 2), nullptr, 16));
    }
    API_Guid guid = APINULLGuid;
    guid.time_low = (static_cast<UInt32>(bytes[0]) << 24) | (static_cast<UInt32>(bytes[1]) << 16) |
                    (static_cast<UInt32>(bytes[2]) << 8) | bytes[3];
    guid.time_mid = static_cast<UInt16>((bytes[4] << 8) | bytes[5]);
    guid.time_hi_and_version = static_cast<UInt16>((bytes[6] << 8) | bytes[7]);
    guid.clock_seq_hi_and_reserved = bytes[8];
    guid.clock_seq_low = bytes[9];
    std::memcpy(guid.node, bytes + 10, 6);
    return guid;
}

bool APIGuidIsNull(const API_Guid& guid) {
    return guid == APINULLGuid;
}

std::size_t std::hash<API_Guid>::operator()(const API_Guid& guid) const {
    unsigned char bytes[16];
    toBytes(guid, bytes);
    std::size_t h = 1469598103934665603ull;
    for (unsigned char b : bytes) {
        h = (h ^ b) * 1099511628211ull;
    }
    return h;
}
