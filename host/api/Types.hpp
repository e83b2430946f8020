#pragma once

#include <cstddef>
#include <cstdint>

// Plain scalar types of the host's foundation layer.
using Int8 = std::int8_t;
using UInt8 = std::uint8_t;
using Int16 = std::int16_t;
using UInt16 = std::uint16_t;
using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using USize = std::size_t;

using GSErrCode = Int32;
using GSFlags = UInt32;
using GSSize = Int64;
using GSType = UInt32;  // four-character codes: commands, selectors
using GSResID = Int16;
using GSResModule = Int32;  // handle of an add-on's resource module

using GSPtr = char*;
using GSConstPtr = const char*;
using GSHandle = char**;  // a pointer to a host-managed pointer
using GSConstHandle = const char* const*;

// Four-character code from its text, most significant character first: FourCC("KOBJ").
constexpr GSType FourCC(const char (&code)[5]) {
    return (static_cast<GSType>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<GSType>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<GSType>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<GSType>(static_cast<unsigned char>(code[3]));
}
