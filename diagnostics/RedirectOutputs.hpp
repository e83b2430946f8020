#pragma once

#include <ostream>

namespace krx {

// Makes one stream write into another stream's buffer for the guard's lifetime, to capture output while
// developing.
class redirect_outputs {
public:
    redirect_outputs(std::ostream& target, std::ostream& redirected);
    ~redirect_outputs();

    redirect_outputs(const redirect_outputs&) = delete;
    redirect_outputs& operator=(const redirect_outputs&) = delete;

private:
    std::ostream& redirected_;
    std::streambuf* ownBuffer_;
};

}  // namespace krx
