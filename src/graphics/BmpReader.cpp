#include "graphics/BmpReader.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "graphics/ImageFile.h"

// Layout references (Microsoft's documentation of the structures):
//   BITMAPFILEHEADER    14 bytes: "BM", file size, two reserved words, offset of the pixel data
//   BITMAPCOREHEADER    12 bytes (OS/2 1.x): 16-bit width and height, planes, bit count;
//                       palette of RGBTRIPLE (3 bytes each)
//   BITMAPINFOHEADER    40 bytes: signed 32-bit width and height (negative height = top-down),
//                       planes, bit count, compression, image size, resolution, colours used,
//                       colours important; palette of RGBQUAD (4 bytes each); with BI_BITFIELDS
//                       the three (BI_ALPHABITFIELDS: four) masks follow the header
//   BITMAPV2/V3 header  52/56 bytes: the info header with the RGB (and alpha) masks inside
//   BITMAPV4HEADER      108 bytes, BITMAPV5HEADER 124 bytes: the same masks, then colour-space
//                       data we have no use for
//   OS/2 2.x header     16 or 64 bytes: the first fields of the info header (16: up to the bit
//                       count); its compression 3 and 4 mean Huffman and RLE24, not masks

namespace vt {
namespace {

enum Compression : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiJpeg = 4,
    kBiPng = 5,
    kBiAlphaBitfields = 6,
};

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Marks palette slots past the file's palette; real colours never have bits above 0xFFFFFF.
constexpr Colour kNoColour = 0xFF000000u;

std::uint32_t U16(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// One colour channel of a BI_BITFIELDS (or 16/32-bit BI_RGB) pixel. Channels narrower than 8
// bits are widened by repeating their bits, so that full intensity stays 255 (5 bits 11111 ->
// 11111111) and black stays 0; wider channels keep their top 8 bits.
class Channel {
public:
    Channel() = default;
    explicit Channel(std::uint32_t mask) : mask_(mask) {
        if (mask == 0) return;
        while (!((mask >> shift_) & 1)) ++shift_;
        for (std::uint32_t m = mask >> shift_; m & 1; m >>= 1) ++bits_;
        if (bits_ <= 8) {
            for (std::uint32_t v = 0; v < (1u << bits_); ++v) widen_[v] = std::uint8_t(Widen(v, bits_));
        }
    }
    bool Contiguous() const { return mask_ == 0 || (mask_ >> shift_) == (bits_ == 32 ? ~0u : (1u << bits_) - 1); }
    unsigned Extract(std::uint32_t pixel) const {
        std::uint32_t v = (pixel & mask_) >> shift_;
        return bits_ <= 8 ? widen_[v] : v >> (bits_ - 8);
    }

private:
    static unsigned Widen(std::uint32_t v, int bits) {
        if (bits == 0) return 0;
        unsigned r = 0;
        for (int pos = 8 - bits;; pos -= bits) {
            r |= pos >= 0 ? v << pos : v >> -pos;
            if (pos <= 0) break;
        }
        return r & 0xFF;
    }
    std::uint32_t mask_ = 0;
    int shift_ = 0;
    int bits_ = 0;
    std::uint8_t widen_[256] = {};
};

class BmpDecoder {
public:
    BmpDecoder(const std::uint8_t* data, std::size_t size, const std::string& name)
        : data_(data), size_(size), name_(name.empty() ? "BMP image" : name) {}

    void Decode(Bitmap& out) {
        ReadHeaders();
        ReadPalette();
        if (dataOffset_ >= size_)
            Fail("pixel data offset " + std::to_string(dataOffset_) + " is past the end of the file (" +
                 std::to_string(size_) + " bytes)");
        Bitmap image;
        image.SetSize(width_, height_);  // both checked against the limits in ReadHeaders
        if (compression_ == kBiRle8 || compression_ == kBiRle4)
            DecodeRle(image);
        else
            DecodeRows(image);
        out.SwapPixels(image);
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { throw ImageError(name_ + ": " + what); }

    bool Has(std::uint64_t offset, std::uint64_t count) const { return offset <= size_ && count <= size_ - offset; }

    void ReadHeaders() {
        if (size_ < kFileHeaderSize + 4) Fail("too short to be a BMP file (" + std::to_string(size_) + " bytes)");
        if (data_[0] != 'B' || data_[1] != 'M') Fail("not a BMP file (no \"BM\" signature)");
        dataOffset_ = U32(data_ + 10);
        headerSize_ = U32(data_ + 14);
        const std::uint8_t* h = data_ + kFileHeaderSize;

        bool os2v2 = headerSize_ == 16 || headerSize_ == 64;
        if (headerSize_ != kCoreHeaderSize && headerSize_ != kInfoHeaderSize && headerSize_ != 52 &&
            headerSize_ != 56 && headerSize_ != 108 && headerSize_ != 124 && !os2v2)
            Fail("unsupported header size " + std::to_string(headerSize_));
        if (!Has(kFileHeaderSize, headerSize_)) Fail("truncated header");

        std::int64_t width, height;
        if (headerSize_ == kCoreHeaderSize) {
            width = U16(h + 4);
            height = U16(h + 6);
            bitCount_ = int(U16(h + 10));
            compression_ = kBiRgb;
        } else {
            width = std::int32_t(U32(h + 4));
            height = std::int32_t(U32(h + 8));
            bitCount_ = int(U16(h + 14));
            // Fields past a short header (OS/2 2.x may stop after the bit count) read as 0.
            compression_ = headerSize_ >= 20 ? U32(h + 16) : kBiRgb;
            coloursUsed_ = headerSize_ >= 36 ? U32(h + 32) : 0;
            if (os2v2 && (compression_ == 3 || compression_ == 4))
                Fail("OS/2 Huffman and RLE24 compression are not supported");
        }
        if (height < 0) {
            topDown_ = true;
            height = -height;
        }
        if (width <= 0 || height <= 0)
            Fail("invalid image size " + std::to_string(width) + "x" + std::to_string(height));
        if (width > Bitmap::kMaxSide || height > Bitmap::kMaxSide || width * height > Bitmap::kMaxPixels)
            Fail("image of " + std::to_string(width) + "x" + std::to_string(height) + " pixels is too large (limit " +
                 std::to_string(Bitmap::kMaxSide) + " per side, " + std::to_string(Bitmap::kMaxPixels) + " pixels)");
        width_ = int(width);
        height_ = int(height);

        CheckFormat();
        ReadMasks();
    }

    void CheckFormat() const {
        const std::string bits = std::to_string(bitCount_) + " bits per pixel";
        switch (compression_) {
        case kBiRgb:
            if (bitCount_ != 1 && bitCount_ != 4 && bitCount_ != 8 && bitCount_ != 24 &&
                !(headerSize_ != kCoreHeaderSize && (bitCount_ == 16 || bitCount_ == 32)))
                Fail("unsupported format: " + bits);
            return;
        case kBiRle8:
            if (bitCount_ != 8) Fail("RLE8 compression with " + bits);
            return;
        case kBiRle4:
            if (bitCount_ != 4) Fail("RLE4 compression with " + bits);
            return;
        case kBiBitfields:
        case kBiAlphaBitfields:
            if (bitCount_ != 16 && bitCount_ != 32) Fail("bit-field compression with " + bits);
            return;
        case kBiJpeg:
        case kBiPng:
            Fail("embedded JPEG and PNG images are not supported");
        default:
            Fail("unknown compression " + std::to_string(compression_));
        }
    }

    // Channel masks: inside V2 and later headers, after a 40-byte header, or the fixed layouts
    // of 16-bit (5-5-5) and 32-bit (8-8-8) BI_RGB.
    void ReadMasks() {
        paletteOffset_ = kFileHeaderSize + headerSize_;
        std::uint32_t masks[3];
        if (compression_ == kBiBitfields || compression_ == kBiAlphaBitfields) {
            std::uint64_t at = kFileHeaderSize + kInfoHeaderSize;
            if (headerSize_ == kInfoHeaderSize) {
                std::uint32_t count = compression_ == kBiAlphaBitfields ? 4 : 3;
                if (!Has(at, 4 * count)) Fail("truncated colour masks");
                paletteOffset_ += 4 * count;
            }
            for (int i = 0; i < 3; ++i) masks[i] = U32(data_ + at + 4 * i);
        } else if (bitCount_ == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
        if (bitCount_ != 16 && bitCount_ != 32) return;
        for (int i = 0; i < 3; ++i) {
            if (bitCount_ == 16 && masks[i] > 0xFFFF) Fail("colour mask " + Hex(masks[i]) + " is wider than 16 bits");
            channels_[i] = Channel(masks[i]);
            if (!channels_[i].Contiguous()) Fail("colour mask " + Hex(masks[i]) + " is not one run of bits");
        }
        plain32_ = bitCount_ == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
    }

    static std::string Hex(std::uint32_t v) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%X", unsigned(v));
        return buffer;
    }

    void ReadPalette() {
        for (Colour& c : palette_) c = kNoColour;
        if (dataOffset_ != 0 && dataOffset_ < paletteOffset_)
            Fail("pixel data offset " + std::to_string(dataOffset_) + " lies inside the headers");
        if (bitCount_ > 8) {
            if (dataOffset_ == 0) dataOffset_ = std::uint32_t(paletteOffset_);
            return;
        }
        const std::uint32_t entrySize = headerSize_ == kCoreHeaderSize ? 3 : 4;
        const std::uint32_t maximum = 1u << bitCount_;
        std::uint32_t count = coloursUsed_ == 0 || coloursUsed_ > maximum ? maximum : coloursUsed_;
        // Writers that leave "colours used" at 0 with a shorter palette say so through the pixel
        // data offset; trust it when it leaves room for fewer entries.
        if (dataOffset_ > paletteOffset_) {
            std::uint64_t room = (dataOffset_ - paletteOffset_) / entrySize;
            if (room < count) count = std::uint32_t(room);
        }
        if (!Has(paletteOffset_, std::uint64_t(count) * entrySize))
            Fail("truncated palette (" + std::to_string(count) + " colours expected)");
        paletteSize_ = count;
        const std::uint8_t* p = data_ + paletteOffset_;
        for (std::uint32_t i = 0; i < count; ++i, p += entrySize) palette_[i] = MakeColour(p[2], p[1], p[0]);
        if (dataOffset_ == 0) dataOffset_ = std::uint32_t(paletteOffset_ + std::uint64_t(count) * entrySize);
    }

    [[noreturn]] void FailIndex(unsigned index, int x, int y) const {
        Fail("palette index " + std::to_string(index) + " at pixel (" + std::to_string(x) + ", " + std::to_string(y) +
             ") is past the " + std::to_string(paletteSize_) + "-colour palette");
    }

    Colour Indexed(unsigned index, int x, int y) const {
        Colour c = palette_[index];
        if (c & kNoColour) FailIndex(index, x, y);
        return c;
    }

    int DestinationRow(std::int64_t fileRow) const { return int(topDown_ ? fileRow : height_ - 1 - fileRow); }

    void DecodeRows(Bitmap& image) const {
        const std::uint64_t stride = (std::uint64_t(width_) * bitCount_ + 31) / 32 * 4;
        // The last row's padding may be missing: several writers stop at its last pixel.
        const std::uint64_t lastRow = (std::uint64_t(width_) * bitCount_ + 7) / 8;
        const std::uint64_t needed = stride * (height_ - 1) + lastRow;
        if (!Has(dataOffset_, needed))
            Fail("truncated pixel data (" + std::to_string(needed) + " bytes needed at offset " +
                 std::to_string(dataOffset_) + ", the file has " + std::to_string(size_) + ")");
        for (int r = 0; r < height_; ++r) {
            const std::uint8_t* p = data_ + dataOffset_ + stride * r;
            const int y = DestinationRow(r);
            Colour* row = image.Row(y);
            switch (bitCount_) {
            case 1:
                for (int x = 0; x < width_; ++x) row[x] = Indexed((p[x >> 3] >> (7 - (x & 7))) & 1, x, y);
                break;
            case 4:
                for (int x = 0; x < width_; ++x) row[x] = Indexed((p[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF, x, y);
                break;
            case 8:
                for (int x = 0; x < width_; ++x) row[x] = Indexed(p[x], x, y);
                break;
            case 24:
                for (int x = 0; x < width_; ++x, p += 3) row[x] = MakeColour(p[2], p[1], p[0]);
                break;
            case 16:
                for (int x = 0; x < width_; ++x, p += 2) row[x] = Masked(U16(p));
                break;
            case 32:
                if (plain32_) {
                    for (int x = 0; x < width_; ++x, p += 4) row[x] = MakeColour(p[2], p[1], p[0]);
                } else {
                    for (int x = 0; x < width_; ++x, p += 4) row[x] = Masked(U32(p));
                }
                break;
            }
        }
    }

    Colour Masked(std::uint32_t pixel) const {
        return MakeColour(channels_[0].Extract(pixel), channels_[1].Extract(pixel), channels_[2].Extract(pixel));
    }

    // Run-length data: pairs (count, index) or escapes 0 0 end of line, 0 1 end of bitmap,
    // 0 2 dx dy move, 0 n n literal pixels padded to a 16-bit boundary. Pixels the data never
    // reaches keep palette colour 0, as other readers show them. Pixels beyond the row end are
    // dropped; the cursor never leaves [0, width], so the count of pixels to write stays small.
    void DecodeRle(Bitmap& image) const {
        const Colour background = paletteSize_ > 0 ? palette_[0] : 0;
        for (int y = 0; y < height_; ++y) {
            Colour* row = image.Row(y);
            for (int x = 0; x < width_; ++x) row[x] = background;
        }
        const bool four = compression_ == kBiRle4;
        const std::uint8_t* p = data_ + dataOffset_;
        const std::uint8_t* end = data_ + size_;
        int x = 0;
        std::int64_t fileRow = 0;
        auto put = [&](unsigned index) {
            if (x < width_) {
                const int y = DestinationRow(fileRow);
                image.Row(y)[x] = Indexed(index, x, y);
                ++x;
            }
        };
        while (fileRow < height_) {
            if (end - p < 2) Fail("truncated RLE data (no end-of-bitmap marker)");
            const unsigned count = p[0], value = p[1];
            p += 2;
            if (count > 0) {
                for (unsigned i = 0; i < count && x < width_; ++i) put(four ? (i & 1 ? value & 0xF : value >> 4) : value);
                continue;
            }
            if (value == 0) {  // end of line
                x = 0;
                ++fileRow;
            } else if (value == 1) {  // end of bitmap
                break;
            } else if (value == 2) {  // move right and up (the data runs bottom to top)
                if (end - p < 2) Fail("truncated RLE data (delta escape)");
                x = std::min(width_, x + p[0]);
                fileRow += p[1];
                p += 2;
            } else {  // literal run
                const std::size_t bytes = four ? (value + 1) / 2 : value;
                const std::size_t padded = (bytes + 1) & ~std::size_t(1);
                if (std::size_t(end - p) < bytes) Fail("truncated RLE data (literal run)");
                for (unsigned i = 0; i < value && x < width_; ++i)
                    put(four ? (i & 1 ? p[i / 2] & 0xF : p[i / 2] >> 4) : p[i]);
                // The pad byte of the very last run may be missing.
                p += std::min(padded, std::size_t(end - p));
            }
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::string name_;

    std::uint32_t dataOffset_ = 0;
    std::uint32_t headerSize_ = 0;
    std::uint64_t paletteOffset_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool topDown_ = false;
    int bitCount_ = 0;
    std::uint32_t compression_ = kBiRgb;
    std::uint32_t coloursUsed_ = 0;
    std::uint32_t paletteSize_ = 0;
    Colour palette_[256];
    Channel channels_[3];
    bool plain32_ = false;
};

// Far above any image the limits allow (16M pixels at 4 bytes), yet no file of gigabytes is
// read into a host process by mistake.
constexpr std::int64_t kMaxFileSize = 4 * Bitmap::kMaxPixels + (1 << 20);

}  // namespace

void ReadBmp(const std::uint8_t* data, std::size_t size, Bitmap& out, const std::string& name) {
    BmpDecoder(data, size, name).Decode(out);
}

void LoadBmpFile(const std::string& path, Bitmap& out) {
    std::vector<std::uint8_t> bytes = ReadImageFile(path, kMaxFileSize);
    ReadBmp(bytes.data(), bytes.size(), out, path);
}

}  // namespace vt
