#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krx::inspect {

// Builds one compact JSON text, member by member, in the order the caller writes them: the tool's output
// is read by people and by scripts that compare lines, so the key order is part of the format.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // The next member's name; its value follows with one of the value calls or a begin call.
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(int number);
    void value(bool flag);

    const std::string& text() const { return text_; }

    // Shortest text that reads back to the same double. JSON has no NaN or infinity: those are null.
    static std::string numberText(double number);
    // A JSON string literal of UTF-8 text. Bytes that are not valid UTF-8 become U+FFFD, so the output stays
    // valid UTF-8 whatever a file held.
    static std::string stringLiteral(std::string_view text);

private:
    void separate();

    std::string text_;
    // Per open object or array: whether it already holds a member, so the next one needs a comma.
    std::vector<bool> hasMember_;
    bool afterKey_ = false;
};

}  // namespace krx::inspect
