#include "PreviewSheet.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

namespace {

void CheckSheetBounds(std::int64_t width, std::int64_t height) {
    if (width > Bitmap::kMaxSide || height > Bitmap::kMaxSide || width * height > Bitmap::kMaxPixels)
        throw std::invalid_argument("the sheet would be " + std::to_string(width) + "x" + std::to_string(height) +
                                    ", past the image limits: choose a smaller --size");
}

}  // namespace

void CheckSheetSize(std::int64_t width, std::int64_t height, std::size_t count, int gap) {
    if (count == 0) throw std::invalid_argument("a sheet needs at least one picture");
    CheckSheetBounds(width * std::int64_t(count) + std::int64_t(gap) * std::int64_t(count - 1), height);
}

RgbaImage SideBySide(const std::vector<RgbaImage>& panels, int gap) {
    if (panels.empty()) throw std::invalid_argument("a sheet needs at least one picture");
    if (gap < 0) throw std::invalid_argument("a negative gap");
    std::int64_t width = std::int64_t(gap) * std::int64_t(panels.size() - 1), height = 0;
    for (const RgbaImage& panel : panels) {
        if (panel.width < 0 || panel.height < 0 ||
            panel.rgba.size() != std::size_t(panel.width) * std::size_t(panel.height) * 4)
            throw std::invalid_argument("a picture's pixels do not match its size");
        width += panel.width;
        height = std::max<std::int64_t>(height, panel.height);
    }
    CheckSheetBounds(width, height);
    RgbaImage sheet{int(width), int(height), std::vector<std::uint8_t>(std::size_t(width * height) * 4)};
    int left = 0;
    for (const RgbaImage& panel : panels) {
        const std::size_t rowBytes = std::size_t(panel.width) * 4;
        for (int y = 0; y < panel.height && rowBytes; ++y)
            std::memcpy(sheet.rgba.data() + (std::size_t(y) * sheet.width + left) * 4,
                        panel.rgba.data() + std::size_t(y) * rowBytes, rowBytes);
        left += panel.width + gap;
    }
    return sheet;
}

}  // namespace vt
