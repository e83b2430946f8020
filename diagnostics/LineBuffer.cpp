#include "diagnostics/LineBuffer.hpp"

#include "diagnostics/LogFile.hpp"

#include <cstring>

namespace krx {

LineBuffer::LineBuffer(LogFile& file) : file_(file) {}

void LineBuffer::finishLine() {
    if (!pending_.empty()) {
        pending_.push_back('\n');
        handOver();
    }
}

LineBuffer::int_type LineBuffer::overflow(int_type character) {
    if (traits_type::eq_int_type(character, traits_type::eof())) {
        return traits_type::not_eof(character);
    }
    const char c = traits_type::to_char_type(character);
    pending_.push_back(c);
    if (c == '\n') {
        handOver();
    }
    return character;
}

std::streamsize LineBuffer::xsputn(const char_type* text, std::streamsize count) {
    const char* rest = text;
    std::size_t left = static_cast<std::size_t>(count);
    while (left > 0) {
        const void* lineEnd = std::memchr(rest, '\n', left);
        if (lineEnd == nullptr) {
            pending_.append(rest, left);
            break;
        }
        const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lineEnd) - rest) + 1;
        pending_.append(rest, length);
        handOver();
        rest += length;
        left -= length;
    }
    return count;
}

void LineBuffer::handOver() {
    file_.append(pending_);
    pending_.clear();
}

}  // namespace krx
