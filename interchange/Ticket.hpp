#pragma once

#include <string>

namespace krx {

// A request about a section.
class Ticket {
public:
    enum STATUS : int {
        REMOVE = 0,
    };

    const std::string& UUID() const { return UUID_; }
    void setUUID(const std::string& uuid) { UUID_ = uuid; }
    STATUS status() const { return status_; }
    void setStatus(STATUS status) { status_ = status; }

private:
    std::string UUID_;
    STATUS status_ = REMOVE;
};

}  // namespace krx
