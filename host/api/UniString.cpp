#include "host/api/UniString.hpp"

#include <algorithm>

namespace GS {
namespace {

std::u16string fromUtf8(const char* bytes, std::size_t length) {
    std::u16string out;
    out.reserve(length);
    std::size_t i = 0;
    const auto byteAt = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < length) {
        const unsigned char c = byteAt(i);
        char32_t code = 0xFFFD;
        std::size_t extra = 0;
        if (c < 0x80) {
            code = c;
        } else if ((c & 0xE0) == 0xC0) {
            code = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            code = c & 0x0F;
            extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            code = c & 0x07;
            extra = 3;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool valid = true;
        for (std::size_t k = 1; valid && k <= extra; ++k) {
            if (i + k >= length || (byteAt(i + k) & 0xC0) != 0x80) {
                valid = false;
            } else {
                code = (code << 6) | (byteAt(i + k) & 0x3F);
            }
        }
        if (!valid) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        i += extra + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

std::string toUtf8(const char16_t* text, std::size_t length) {
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

std::u16string convertIn(const char* bytes, std::size_t length, GSCharCode charCode) {
    if (charCode == CC_Latin1) {
        std::u16string out;
        for (std::size_t i = 0; i < length; ++i) {
            out.push_back(static_cast<unsigned char>(bytes[i]));
        }
        return out;
    }
    return fromUtf8(bytes, length);
}

std::string convertOut(const char16_t* text, std::size_t length, GSCharCode charCode) {
    if (charCode == CC_Latin1) {
        std::string out;
        for (std::size_t i = 0; i < length; ++i) {
            out.push_back(text[i] < 0x100 ? static_cast<char>(text[i]) : '?');
        }
        return out;
    }
    return toUtf8(text, length);
}

// Letter case for the scripts the add-on's users write in: ASCII, Latin-1 and Latin Extended-A,
// which hold the German and Polish letters.
char16_t lower(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (c >= 0x100 && c <= 0x17F) {
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x178) {
            return 0xFF;
        }
        if (oddUpper ? (c % 2 == 1) : (c % 2 == 0 && c != 0x138)) {
            return static_cast<char16_t>(c + 1);
        }
    }
    return c;
}

char16_t upper(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c == 0xFF) {
        return 0x178;
    }
    if (c >= 0x100 && c <= 0x17F) {
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper ? (c % 2 == 0) : (c % 2 == 1 && c != 0x131)) {
            return static_cast<char16_t>(c - 1);
        }
    }
    return c;
}

std::u16string lowered(const std::u16string& s) {
    std::u16string out = s;
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

}  // namespace

UniString::UniString(const char* bytes, GSCharCode charCode) {
    if (bytes != nullptr) {
        text_ = convertIn(bytes, std::char_traits<char>::length(bytes), charCode);
    }
}

UniString::UniString(const std::string& bytes, GSCharCode charCode)
    : text_(convertIn(bytes.data(), bytes.size(), charCode)) {}

UniString::UniString(const UniChar* text) {
    if (text != nullptr) {
        text_ = text;
    }
}

UniString::UniString(const UniChar* text, USize length) {
    if (text != nullptr) {
        text_.assign(text, length);
    }
}

UniString::CStr UniString::ToCStr(GSCharCode charCode) const {
    return CStr(convertOut(text_.data(), text_.size(), charCode));
}

UniString::CStr UniString::ToCStr(USize from, USize length, GSCharCode charCode) const {
    const UniString part = GetSubstring(from, length);
    return part.ToCStr(charCode);
}

UniString& UniString::Append(const UniString& other) {
    text_ += other.text_;
    return *this;
}

UniString& UniString::operator+=(UniChar c) {
    text_.push_back(c);
    return *this;
}

UniString UniString::GetSubstring(USize from, USize length) const {
    if (from >= text_.size()) {
        return UniString();
    }
    return UniString(text_.substr(from, length));
}

UniString UniString::GetSuffix(USize length) const {
    if (length >= text_.size()) {
        return *this;
    }
    return UniString(text_.substr(text_.size() - length));
}

void UniString::Truncate(USize length) {
    if (length < text_.size()) {
        text_.resize(length);
    }
}

void UniString::Delete(USize from, USize length) {
    if (from < text_.size()) {
        text_.erase(from, length);
    }
}

void UniString::Insert(USize at, const UniString& text) {
    text_.insert(std::min(at, text_.size()), text.text_);
}

USize UniString::FindFirst(const UniString& what, USize from, CaseComparison cmp) const {
    if (cmp == CaseInsensitive) {
        const std::size_t at = lowered(text_).find(lowered(what.text_), from);
        return at == std::u16string::npos ? MaxIndex : at;
    }
    const std::size_t at = text_.find(what.text_, from);
    return at == std::u16string::npos ? MaxIndex : at;
}

USize UniString::FindFirst(UniChar c, USize from) const {
    const std::size_t at = text_.find(c, from);
    return at == std::u16string::npos ? MaxIndex : at;
}

USize UniString::FindLast(const UniString& what) const {
    const std::size_t at = text_.rfind(what.text_);
    return at == std::u16string::npos ? MaxIndex : at;
}

USize UniString::FindLast(UniChar c) const {
    const std::size_t at = text_.rfind(c);
    return at == std::u16string::npos ? MaxIndex : at;
}

bool UniString::Contains(const UniString& what, CaseComparison cmp) const {
    return FindFirst(what, 0, cmp) != MaxIndex;
}

bool UniString::BeginsWith(const UniString& what) const {
    return text_.compare(0, what.text_.size(), what.text_) == 0;
}

bool UniString::EndsWith(const UniString& what) const {
    return text_.size() >= what.text_.size() &&
           text_.compare(text_.size() - what.text_.size(), what.text_.size(), what.text_) == 0;
}

USize UniString::ReplaceAll(const UniString& what, const UniString& with) {
    if (what.text_.empty()) {
        return 0;
    }
    USize count = 0;
    std::size_t at = 0;
    while ((at = text_.find(what.text_, at)) != std::u16string::npos) {
        text_.replace(at, what.text_.size(), with.text_);
        at += with.text_.size();
        ++count;
    }
    return count;
}

USize UniString::ReplaceAll(UniChar what, UniChar with) {
    USize count = 0;
    for (char16_t& c : text_) {
        if (c == what) {
            c = with;
            ++count;
        }
    }
    return count;
}

void UniString::SetToLowerCase() {
    text_ = lowered(text_);
}

void UniString::SetToUpperCase() {
    std::transform(text_.begin(), text_.end(), text_.begin(), upper);
}

UniString UniString::ToLowerCase() const {
    UniString copy = *this;
    copy.SetToLowerCase();
    return copy;
}

UniString UniString::ToUpperCase() const {
    UniString copy = *this;
    copy.SetToUpperCase();
    return copy;
}

void UniString::Trim() {
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
    while (!text_.empty() && isSpace(text_.back())) {
        text_.pop_back();
    }
    std::size_t start = 0;
    while (start < text_.size() && isSpace(text_[start])) {
        ++start;
    }
    text_.erase(0, start);
}

int UniString::Compare(const UniString& other, CaseComparison cmp) const {
    const int result =
        cmp == CaseInsensitive ? lowered(text_).compare(lowered(other.text_)) : text_.compare(other.text_);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

UniString operator+(const UniString& a, const UniString& b) {
    UniString out = a;
    out.Append(b);
    return out;
}

UniString operator+(const UniString& a, const char* b) {
    return a + UniString(b);
}

UniString operator+(const char* a, const UniString& b) {
    return UniString(a) + b;
}

USize ucslen(const UniChar* text) {
    return text == nullptr ? 0 : std::char_traits<char16_t>::length(text);
}

USize ucsncpy(UniChar* destination, const UniChar* source, USize capacity) {
    if (destination == nullptr || capacity == 0) {
        return 0;
    }
    USize n = 0;
    while (source != nullptr && n + 1 < capacity && source[n] != 0) {
        destination[n] = source[n];
        ++n;
    }
    destination[n] = 0;
    return n;
}

USize CopyToField(UniChar* destination, USize capacity, const UniString& text) {
    return ucsncpy(destination, text.ToUStr(), capacity);
}

}  // namespace GS
