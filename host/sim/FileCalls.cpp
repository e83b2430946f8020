// Files and the image library: real files, read through the host's gates so faults can be injected.
#include <QImageReader>
#include <QString>

#include <filesystem>

#include "host/sim/HostState.hpp"

using krx::sim::Call;

namespace {

std::string pathOf(const IO::Location& location) {
    GS::UniString path;
    location.ToPath(&path);
    return path.ToCStr().str();
}

}  // namespace

namespace IO {

File::File(const Location& location, OnNotFound onNotFound) : location_(location), onNotFound_(onNotFound) {
    std::error_code ec;
    const std::string path = pathOf(location);
    if (path.empty()) {
        status_ = ErrParam;
    } else if (!std::filesystem::is_regular_file(path, ec) && onNotFound == Fail) {
        status_ = ErrFileNotFound;
    }
}

File::~File() {
    if (handle_ != nullptr) {
        std::fclose(handle_);
    }
}

GSErrCode File::Open(OpenMode mode) {
    Call call("IO::File::Open", 0, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    if (status_ != NoError) {
        return call.done(status_);
    }
    if (handle_ != nullptr) {
        return call.done(NoError);
    }
    const char* how = mode == ReadMode ? "rb" : (mode == WriteMode ? "wb" : "r+b");
    if (mode == ReadWriteMode && onNotFound_ == Create && !std::filesystem::exists(pathOf(location_))) {
        how = "w+b";
    }
    handle_ = std::fopen(pathOf(location_).c_str(), how);
    return call.done(handle_ == nullptr ? ErrIO : NoError);
}

GSErrCode File::Close() {
    Call call("IO::File::Close", 0, Call::Threads::Any);
    if (handle_ == nullptr) {
        return call.done(call.refused() ? call.refusal() : ErrNotOpened);
    }
    // A refused close still lets the file go: the caller cannot do anything more with it.
    const int result = std::fclose(handle_);
    handle_ = nullptr;
    if (call.refused()) {
        return call.refusal();
    }
    return call.done(result == 0 ? NoError : ErrIO);
}

GSErrCode File::GetDataLength(UInt64* length) const {
    Call call("IO::File::GetDataLength", 0, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    if (length == nullptr) {
        return call.done(ErrParam);
    }
    if (handle_ == nullptr) {
        return call.done(ErrNotOpened);
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(pathOf(location_), ec);
    if (ec) {
        return call.done(ErrIO);
    }
    *length = size;
    return call.done(NoError);
}

GSErrCode File::ReadBin(char* destination, USize count, USize* read) {
    Call call("IO::File::ReadBin", 0, Call::Threads::Any);
    if (read != nullptr) {
        *read = 0;
    }
    if (call.refused()) {
        return call.refusal();
    }
    if (handle_ == nullptr) {
        return call.done(ErrNotOpened);
    }
    if (destination == nullptr && count > 0) {
        return call.done(ErrParam);
    }
    const USize got = count == 0 ? 0 : std::fread(destination, 1, count, handle_);
    if (read != nullptr) {
        *read = got;
    }
    return call.done(got == count ? NoError : ErrIO);
}

GSErrCode File::WriteBin(const char* source, USize count, USize* written) {
    Call call("IO::File::WriteBin", 0, Call::Threads::Any);
    if (written != nullptr) {
        *written = 0;
    }
    if (call.refused()) {
        return call.refusal();
    }
    if (handle_ == nullptr) {
        return call.done(ErrNotOpened);
    }
    const USize put = count == 0 ? 0 : std::fwrite(source, 1, count, handle_);
    if (written != nullptr) {
        *written = put;
    }
    return call.done(put == count ? NoError : ErrIO);
}

}  // namespace IO

namespace GX {

GSErrCode ImageBase::GetFileInfo(const IO::Location& fileLocation, UInt32* width, UInt32* height,
                                 UInt32* bitsPerPixel) {
    Call call("GX::ImageBase::GetFileInfo", 0, Call::Threads::Any);
    if (call.refused()) {
        return call.refusal();
    }
    const std::string path = pathOf(fileLocation);
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        return call.done(ErrFileNotFound);
    }
    // The real header is read: a file that only carries an image suffix is no image.
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        return call.done(ErrNotAnImage);
    }
    const QSize size = reader.size();
    if (width != nullptr) {
        *width = size.isValid() ? static_cast<UInt32>(size.width()) : 0;
    }
    if (height != nullptr) {
        *height = size.isValid() ? static_cast<UInt32>(size.height()) : 0;
    }
    if (bitsPerPixel != nullptr) {
        *bitsPerPixel = reader.imageFormat() == QImage::Format_Invalid
                            ? 0
                            : static_cast<UInt32>(QImage(1, 1, reader.imageFormat()).depth());
    }
    return call.done(NoError);
}

}  // namespace GX
