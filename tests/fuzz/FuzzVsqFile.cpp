#include "tests/fuzz/FuzzEnvironment.hpp"
#include "tests/fuzz/FuzzTargets.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    krx::fuzz::privateFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    krx::fuzz::readVsqFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                           krx::fuzz::privateFolder());
    return 0;
}
