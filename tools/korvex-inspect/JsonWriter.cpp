#include "tools/korvex-inspect/JsonWriter.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace krx::inspect {

namespace {

constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at the start of text, or 0 when it is not one. Overlong forms,
// surrogates and code points above U+10FFFF are invalid.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF) {
        return 0;
    }
    return length;
}

}  // namespace

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasMember_.empty()) {
        if (hasMember_.back()) {
            text_ += ',';
        }
        hasMember_.back() = true;
    }
}

void JsonWriter::beginObject() {
    separate();
    text_ += '{';
    hasMember_.push_back(false);
}

void JsonWriter::endObject() {
    text_ += '}';
    hasMember_.pop_back();
}

void JsonWriter::beginArray() {
    separate();
    text_ += '[';
    hasMember_.push_back(false);
}

void JsonWriter::endArray() {
    text_ += ']';
    hasMember_.pop_back();
}

void JsonWriter::key(std::string_view name) {
    separate();
    text_ += stringLiteral(name);
    text_ += ':';
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    separate();
    text_ += stringLiteral(text);
}

void JsonWriter::value(double number) {
    separate();
    text_ += numberText(number);
}

void JsonWriter::value(int number) {
    separate();
    text_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    separate();
    text_ += flag ? "true" : "false";
}

std::string JsonWriter::numberText(double number) {
    if (!std::isfinite(number)) {
        return "null";
    }
    // Shortest round trip; the exponent form ("1e+300") is valid JSON as it stands.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

std::string JsonWriter::stringLiteral(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(text.substr(i));
            if (length == 0) {
                out += kReplacementCharacter;
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

}  // namespace krx::inspect
