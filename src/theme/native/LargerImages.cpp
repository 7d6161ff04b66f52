#include "theme/native/LargerImages.h"

#include "common/FileNameCase.h"
#include "graphics/AlphaOver.h"
#include "graphics/BmpReader.h"
#include "graphics/PngReader.h"

namespace vt {
namespace {

constexpr std::int32_t kDoubleDpi = 192;

// "dir/close.bmp" -> "dir/close@2x" (the extension, if any, goes).
std::string DoubleSizeStem(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + "@2x";
}

}  // namespace

void AttachDoubleSizeImage(const std::string& path, Bitmap& bitmap) {
    if (path.empty() || bitmap.Empty()) return;
    const std::string stem = DoubleSizeStem(path);
    Bitmap larger;
    if (std::string bmp = FindExistingFile(stem + ".bmp"); !bmp.empty()) {
        LoadBmpFile(bmp, larger);
    } else if (std::string png = FindExistingFile(stem + ".png"); !png.empty()) {
        RgbaImage image;
        LoadPngFile(png, image);
        DrawAlphaOver(image, larger);
        if (larger.Transparent() && bitmap.Transparent()) {
            // Its left-out pixels in the image's own transparent colour.
            const Colour from = larger.TransparentColor(), to = bitmap.TransparentColor();
            for (int y = 0; y < larger.Height(); ++y)
                for (int x = 0; x < larger.Width(); ++x)
                    if (larger.GetPixel(x, y) == from) larger.SetPixel(x, y, to);
        }
    } else {
        return;
    }
    bitmap.AddLargerSource(larger, kDoubleDpi);
}

}  // namespace vt
