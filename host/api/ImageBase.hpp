#pragma once

#include "host/api/ErrorCodes.hpp"
#include "host/api/Location.hpp"

namespace GX {

// The host's image library.
class ImageBase {
public:
    // Reads the image header of a file: NoError with its size in pixels and bits per pixel, or
    // ErrFileNotFound / ErrNotAnImage. The out pointers may be null.
    static GSErrCode GetFileInfo(const IO::Location& fileLocation, UInt32* width, UInt32* height,
                                 UInt32* bitsPerPixel = nullptr);
};

}  // namespace GX
