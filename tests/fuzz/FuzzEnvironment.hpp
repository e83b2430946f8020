#pragma once

#include <QString>

namespace krx::fuzz {

// A private folder made once per fuzzing process: HOME and TMPDIR point into it and it is the working
// directory, so whatever an input names relative to the working directory, or whatever gets logged, stays
// there and never reaches the user's own folders.
const QString& privateFolder();

}  // namespace krx::fuzz
