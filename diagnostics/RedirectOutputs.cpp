#include "diagnostics/RedirectOutputs.hpp"

namespace krx {

redirect_outputs::redirect_outputs(std::ostream& target, std::ostream& redirected)
    : redirected_(redirected), ownBuffer_(redirected.rdbuf(target.rdbuf())) {}

redirect_outputs::~redirect_outputs() {
    redirected_.rdbuf(ownBuffer_);
}

}  // namespace krx
