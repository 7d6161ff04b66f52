#pragma once
// The drawing layer's bitmap: a 24-bit device-independent image held as plain pixels, with a
// transparency switch and a transparent colour. BMP and XPM readers fill it; the Win32 side
// draws it.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace vt {

// A colour in the COLORREF layout 0x00BBGGRR; 0x80000000 + n stands for system colour n.
using Colour = std::uint32_t;

constexpr Colour MakeColour(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned RedOf(Colour c) { return c & 0xFF; }
constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFF; }

class Bitmap {
public:
    // Largest side and pixel count accepted from any file: far above any frame piece, far below
    // an allocation that could hurt the host process.
    static constexpr int kMaxSide = 16384;
    static constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Resizes to w x h; every pixel becomes black. Sizes must be checked by the caller against
    // kMaxSide / kMaxPixels (SetSize clamps negative sizes to 0 and throws std::length_error
    // past the limits rather than allocate).
    void SetSize(int w, int h);

    // Pixels outside the bitmap are ignored when set and read as black.
    void SetPixel(int x, int y, Colour c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[std::size_t(y) * width_ + x] = c & 0xFFFFFF;
    }
    Colour GetPixel(int x, int y) const {
        return (x >= 0 && y >= 0 && x < width_ && y < height_) ? pixels_[std::size_t(y) * width_ + x] : 0;
    }
    // Row-major, top row first, one 0x00BBGGRR value per pixel.
    const std::vector<Colour>& Pixels() const { return pixels_; }
    // Row y (0 <= y < Height()) for decoders that fill whole rows; values must stay within
    // 0x00FFFFFF.
    Colour* Row(int y) { return pixels_.data() + std::size_t(y) * width_; }

    // Exchanges size and pixels (not the transparency settings) with another bitmap: readers
    // decode into a scratch bitmap and swap it in only when the whole image was read, so a
    // failed read leaves the caller's bitmap as it was.
    void SwapPixels(Bitmap& other) noexcept {
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
        pixels_.swap(other.pixels_);
    }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { transparent_ = on; }
    // The colour left out when drawing transparently. Until one is set it is the colour of the
    // bottom-left pixel (the usual automatic choice for bitmaps), black for an empty bitmap.
    Colour TransparentColor() const;
    void SetTransparentColor(Colour c) { transparentColour_ = c & 0xFFFFFF; hasTransparentColour_ = true; }

    // Copies another bitmap's content and settings.
    void Assign(const Bitmap& other) { *this = other; }

    // A larger drawing of the same image for high display scales (NAME@2x beside NAME, an xfwm4
    // theme's -hdpi and -xhdpi siblings), drawn for `dpi` (192: twice the size). Returns the copy
    // kept, which lives as long as this bitmap (or a copy of it) does.
    Bitmap& AddLargerSource(const Bitmap& source, std::int32_t dpi);
    // Takes another bitmap's pixels and settings, keeping this one's larger drawings (an image
    // drawn again, as in a colour scheme change, keeps what stands for it at other scales).
    void ReplaceImage(Bitmap&& other) {
        auto larger = std::move(larger_);
        *this = std::move(other);
        larger_ = std::move(larger);
    }
    // The image to scale from for a window at `dpi`: the largest source meant for at most a
    // quarter step above it (a twice-size image from 175 % up), else this one (96).
    std::pair<const Bitmap*, std::int32_t> SourceFor(std::int32_t dpi) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
    bool transparent_ = false;
    bool hasTransparentColour_ = false;
    Colour transparentColour_ = 0;
    std::vector<std::pair<std::int32_t, std::shared_ptr<Bitmap>>> larger_;  // by dpi, ascending
};

}  // namespace vt
