// A loadable module that logs the way the add-on does, so that a test can load and unload it as the host
// loads and unloads the add-on.
#include "diagnostics/DebugSingleton.hpp"

extern "C" __attribute__((visibility("default"))) void krxLogModuleWrite(const char* text) {
    krx::DebugSingleton::instance().log() << text << std::endl;
}
