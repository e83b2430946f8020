#pragma once

#include <ostream>

namespace krx::inspect {

// Blocks SIGINT and SIGTERM in the calling thread and every thread it starts later, so that they end the
// watch loop through watchInterfaceFile instead of killing the process half-way through a batch. Call it
// first thing in main, before any thread exists.
void blockStopSignals();

// Runs the add-on's watcher on the interface file in ~/.Korvex, consuming each file exactly as the add-on
// does, and prints every element as it arrives, until SIGINT or SIGTERM. Returns the exit status, 0.
int watchInterfaceFile(std::ostream& out, std::ostream& err);

}  // namespace krx::inspect
