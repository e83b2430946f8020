#pragma once

#include <streambuf>
#include <string>

namespace krx {

class LogFile;

// Stream buffer of one thread's log stream. It collects what the thread writes and hands each completed
// line, with its line end, to the log file in one piece; a flush in the middle of a line keeps the text
// back until the line is complete, so that no other thread's line can land inside it.
class LineBuffer : public std::streambuf {
public:
    explicit LineBuffer(LogFile& file);

    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;

    // Hands over a line left unfinished, ended as a line of its own.
    void finishLine();

protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char_type* text, std::streamsize count) override;

private:
    void handOver();

    LogFile& file_;
    std::string pending_;
};

}  // namespace krx
