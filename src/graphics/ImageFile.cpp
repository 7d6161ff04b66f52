#include "graphics/ImageFile.h"

#include "common/RegularFile.h"
#include "graphics/BmpReader.h"

namespace vt {

std::vector<std::uint8_t> ReadImageFile(const std::string& path, std::int64_t maxSize) {
    std::vector<std::uint8_t> bytes;
    const FileReadResult read = ReadRegularFile(path, maxSize, bytes);
    switch (read.failure) {
    case FileReadFailure::None: return bytes;
    case FileReadFailure::CannotOpen: throw ImageError(path + ": cannot open the file (" + read.reason + ")");
    case FileReadFailure::NotRegular:
        throw ImageError(path + ": not a regular file (a folder, device or pipe is never read as an image)");
    case FileReadFailure::TooLarge:
        throw ImageError(path + ": the file is too large for an image (" + std::to_string(read.size) + " bytes)");
    case FileReadFailure::CannotRead: break;
    }
    throw ImageError(path + ": cannot read the file");
}

}  // namespace vt
