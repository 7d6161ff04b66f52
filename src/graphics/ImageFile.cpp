#include "graphics/ImageFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "graphics/BmpReader.h"

namespace vt {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::vector<std::uint8_t> ReadImageFile(const std::string& path, std::int64_t maxSize) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw ImageError(path + ": cannot open the file (" + std::strerror(errno) + ")");
    long size = -1;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) throw ImageError(path + ": cannot read the file");
    if (size > maxSize)
        throw ImageError(path + ": the file is too large for an image (" + std::to_string(size) + " bytes)");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw ImageError(path + ": cannot read the file");
    return bytes;
}

}  // namespace vt
