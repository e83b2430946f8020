#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "host/api/Types.hpp"

namespace GS {

using UniChar = char16_t;

// Character codes for conversions between byte strings and host strings. The host's default is
// UTF-8, the encoding of every byte string of the add-on.
enum GSCharCode { CC_Default = 0, CC_UTF8 = 1, CC_Latin1 = 2 };

enum CaseComparison { CaseSensitive, CaseInsensitive };

// The host's string: UTF-16 code units, compared and ordered by code unit.
class UniString {
public:
    static constexpr USize MaxIndex = static_cast<USize>(-1);

    // A converted byte string; lives as long as this object (use within one expression).
    class CStr {
    public:
        explicit CStr(std::string bytes) : bytes_(std::move(bytes)) {}
        const char* Get() const { return bytes_.c_str(); }
        USize GetLength() const { return bytes_.size(); }
        const std::string& str() const { return bytes_; }

    private:
        std::string bytes_;
    };

    UniString() = default;
    UniString(const char* bytes, GSCharCode charCode = CC_Default);
    UniString(const std::string& bytes, GSCharCode charCode = CC_Default);
    UniString(const UniChar* text);
    UniString(const UniChar* text, USize length);
    explicit UniString(std::u16string text) : text_(std::move(text)) {}

    CStr ToCStr(GSCharCode charCode = CC_Default) const;
    CStr ToCStr(USize from, USize length, GSCharCode charCode = CC_Default) const;
    const UniChar* ToUStr() const { return text_.c_str(); }
    const std::u16string& ToU16String() const { return text_; }

    USize GetLength() const { return text_.size(); }
    bool IsEmpty() const { return text_.empty(); }
    void Clear() { text_.clear(); }

    UniChar operator[](USize index) const { return text_[index]; }
    UniChar GetChar(USize index) const { return text_.at(index); }

    UniString& Append(const UniString& other);
    UniString& Append(const char* bytes) { return Append(UniString(bytes)); }
    UniString& operator+=(const UniString& other) { return Append(other); }
    UniString& operator+=(const char* bytes) { return Append(UniString(bytes)); }
    UniString& operator+=(UniChar c);

    UniString GetSubstring(USize from, USize length) const;
    UniString GetPrefix(USize length) const { return GetSubstring(0, length); }
    UniString GetSuffix(USize length) const;
    void Truncate(USize length);
    void Delete(USize from, USize length = 1);
    void Insert(USize at, const UniString& text);

    // Index of the first/last occurrence, or MaxIndex.
    USize FindFirst(const UniString& what, USize from = 0, CaseComparison cmp = CaseSensitive) const;
    USize FindFirst(UniChar c, USize from = 0) const;
    USize FindLast(const UniString& what) const;
    USize FindLast(UniChar c) const;
    bool Contains(const UniString& what, CaseComparison cmp = CaseSensitive) const;
    bool BeginsWith(const UniString& what) const;
    bool EndsWith(const UniString& what) const;
    // Replaces every occurrence; returns how many there were.
    USize ReplaceAll(const UniString& what, const UniString& with);
    USize ReplaceAll(UniChar what, UniChar with);

    void SetToLowerCase();
    void SetToUpperCase();
    UniString ToLowerCase() const;
    UniString ToUpperCase() const;
    void Trim();

    // Three-way comparison: negative, 0 or positive.
    int Compare(const UniString& other, CaseComparison cmp = CaseSensitive) const;
    bool IsEqual(const UniString& other, CaseComparison cmp = CaseSensitive) const {
        return Compare(other, cmp) == 0;
    }

    bool operator==(const UniString& other) const { return text_ == other.text_; }
    bool operator!=(const UniString& other) const { return text_ != other.text_; }
    bool operator<(const UniString& other) const { return text_ < other.text_; }
    bool operator>(const UniString& other) const { return other.text_ < text_; }
    bool operator<=(const UniString& other) const { return !(other.text_ < text_); }
    bool operator>=(const UniString& other) const { return !(text_ < other.text_); }
    bool operator==(const char* bytes) const { return *this == UniString(bytes); }
    bool operator!=(const char* bytes) const { return *this != UniString(bytes); }

    std::size_t GetHashValue() const { return std::hash<std::u16string>()(text_); }

private:
    std::u16string text_;
};

UniString operator+(const UniString& a, const UniString& b);
UniString operator+(const UniString& a, const char* b);
UniString operator+(const char* a, const UniString& b);

// Host string helpers for the fixed-size UTF-16 text fields of host records.
USize ucslen(const UniChar* text);
// Copies at most capacity - 1 code units and always terminates; returns the number copied.
USize ucsncpy(UniChar* destination, const UniChar* source, USize capacity);
// Copies a host string into a fixed field of `capacity` units (cut to capacity - 1).
USize CopyToField(UniChar* destination, USize capacity, const UniString& text);

}  // namespace GS

namespace std {
template <>
struct hash<GS::UniString> {
    std::size_t operator()(const GS::UniString& s) const { return s.GetHashValue(); }
};
}  // namespace std
