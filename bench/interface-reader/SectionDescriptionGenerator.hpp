#pragma once

#include <QByteArray>

namespace krx::bench {

// A section description file as Sorvane writes one for a large section: `sheets` sheets of a type the
// reader keeps (never "elevation", which it would skip unread), each with a full projection matrix and
// `tilesPerSheet` tiles in a square-ish grid. 7 x 2000 gives about 4 MB.
QByteArray generateSectionDescription(int sheets, int tilesPerSheet);

}  // namespace krx::bench
