#pragma once

// The host's debug output (its own console), separate from the add-on's log. printf-style; each call
// is one line. Safe from any thread.
void DBPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
