#include "graphics/PngReader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <zlib.h>

#include "graphics/Bitmap.h"
#include "graphics/ImageFile.h"

// How a PNG file is laid out (the format's second edition, as W3C publishes it): the 8-byte signature
// and then chunks: a 4-byte big-endian length, a 4-byte type, the data and a CRC-32 of type and
// data. IHDR comes first (width, height, bit depth, colour type, compression 0, filter method 0,
// interlace 0 or 1), PLTE before the image data, the IDAT chunks in one run (their data together
// is one zlib stream), IEND last. Each row of the inflated data starts with its filter type.

namespace vt {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Images far larger than any frame piece are refused long before this limit of the file.
constexpr std::int64_t kMaxFileSize = 64 << 20;
// Deflate packs at most about 1032 bytes into one: image data that claims more than this many
// times its compressed size cannot be there, whatever the header says.
constexpr std::uint64_t kMaxInflateRatio = 1100;

enum ColourType : std::uint8_t { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

std::uint32_t Be32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
unsigned Be16(const std::uint8_t* p) { return unsigned(p[0]) << 8 | p[1]; }

// A 16-bit sample scaled to 8 bits, rounded to the nearest.
std::uint8_t Round16(unsigned v) { return std::uint8_t((v * 255u + 32767u) / 65535u); }

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depth = 0;
    int colourType = 0;
    bool interlaced = false;

    int Channels() const {
        switch (colourType) {
        case kRgb: return 3;
        case kGreyAlpha: return 2;
        case kRgba: return 4;
        default: return 1;
        }
    }
    int BitsPerPixel() const { return Channels() * depth; }
    // Bytes of one row of w pixels, without its filter byte.
    std::size_t RowBytes(std::uint32_t w) const { return (std::size_t(w) * BitsPerPixel() + 7) / 8; }
};

// The seven passes of Adam7: first column and row, then the steps between them.
struct Pass {
    int x0, y0, dx, dy;
};
constexpr std::array<Pass, 7> kAdam7 = {{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                         {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
constexpr Pass kWhole = {0, 0, 1, 1};

std::uint32_t PassSize(std::uint32_t size, int start, int step) {
    return size > std::uint32_t(start) ? (size - std::uint32_t(start) + std::uint32_t(step) - 1) / std::uint32_t(step) : 0;
}

class PngDecoder {
public:
    PngDecoder(const std::uint8_t* data, std::size_t size, const std::string& name)
        : data_(data), size_(size), name_(name.empty() ? "PNG image" : name) {}

    void Read(RgbaImage& out) {
        ReadChunks();
        std::vector<std::uint8_t> raw = Inflate();
        RgbaImage image;
        image.width = int(header_.width);
        image.height = int(header_.height);
        image.rgba.assign(std::size_t(image.width) * image.height * 4, 0);
        std::size_t at = 0;
        if (header_.interlaced) {
            for (const Pass& pass : kAdam7) at = DecodePass(raw, at, pass, image);
        } else {
            DecodePass(raw, at, kWhole, image);
        }
        out = std::move(image);
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { throw ImageError(name_ + ": " + what); }

    void ReadChunks() {
        if (size_ < 8 || std::memcmp(data_, kSignature, 8) != 0) Fail("not a PNG file (no PNG signature)");
        std::size_t at = 8;
        bool seenHeader = false, seenEnd = false, inData = false, dataEnded = false;
        while (!seenEnd) {
            if (size_ - at < 12) Fail(at == size_ ? "the file ends before its IEND chunk" : "the file ends inside a chunk");
            const std::uint32_t length = Be32(data_ + at);
            const std::string type(reinterpret_cast<const char*>(data_ + at + 4), 4);
            if (length > 0x7FFFFFFFu || length > size_ - at - 12)
                Fail("chunk " + type + " runs past the end of the file (" + std::to_string(length) + " bytes)");
            const std::uint8_t* body = data_ + at + 8;
            const std::uint32_t crc = std::uint32_t(crc32(crc32(0L, Z_NULL, 0), data_ + at + 4, uInt(length + 4)));
            if (crc != Be32(body + length)) Fail("chunk " + type + " has a bad CRC");
            at += 12 + std::size_t(length);

            if (!seenHeader && type != "IHDR") Fail("the first chunk is " + type + ", not IHDR");
            if (inData && type != "IDAT") dataEnded = true;
            if (type == "IHDR") {
                if (seenHeader) Fail("a second IHDR chunk");
                ReadHeader(body, length);
                seenHeader = true;
            } else if (type == "PLTE") {
                if (inData) Fail("PLTE after the image data");
                ReadPalette(body, length);
            } else if (type == "tRNS") {
                ReadTransparency(body, length);
            } else if (type == "IDAT") {
                if (dataEnded) Fail("IDAT chunks are not in one run");
                inData = true;
                idat_.push_back({body, length});
                idatBytes_ += length;
            } else if (type == "IEND") {
                seenEnd = true;
            } else if (!(type[0] & 0x20)) {
                Fail("unknown critical chunk " + type);  // ancillary chunks (lower-case first letter) are skipped
            }
        }
        if (idat_.empty()) Fail("no image data (IDAT)");
        if (header_.colourType == kPalette && palette_.empty()) Fail("a palette image without a PLTE chunk");
    }

    void ReadHeader(const std::uint8_t* p, std::uint32_t length) {
        if (length != 13) Fail("IHDR is " + std::to_string(length) + " bytes, not 13");
        header_.width = Be32(p);
        header_.height = Be32(p + 4);
        header_.depth = p[8];
        header_.colourType = p[9];
        const std::string size = std::to_string(header_.width) + "x" + std::to_string(header_.height);
        if (header_.width == 0 || header_.height == 0) Fail("empty image size " + size);
        if (header_.width > std::uint32_t(Bitmap::kMaxSide) || header_.height > std::uint32_t(Bitmap::kMaxSide) ||
            std::int64_t(header_.width) * header_.height > Bitmap::kMaxPixels)
            Fail("image size " + size + " is too large (limit " + std::to_string(Bitmap::kMaxSide) + " per side, " +
                 std::to_string(Bitmap::kMaxPixels) + " pixels)");
        const int d = header_.depth;
        bool valid = false;
        switch (header_.colourType) {
        case kGrey: valid = d == 1 || d == 2 || d == 4 || d == 8 || d == 16; break;
        case kPalette: valid = d == 1 || d == 2 || d == 4 || d == 8; break;
        case kRgb:
        case kGreyAlpha:
        case kRgba: valid = d == 8 || d == 16; break;
        default: Fail("unknown colour type " + std::to_string(header_.colourType));
        }
        if (!valid)
            Fail("bit depth " + std::to_string(d) + " is not allowed for colour type " + std::to_string(header_.colourType));
        if (p[10] != 0) Fail("unknown compression method " + std::to_string(p[10]));
        if (p[11] != 0) Fail("unknown filter method " + std::to_string(p[11]));
        if (p[12] > 1) Fail("unknown interlace method " + std::to_string(p[12]));
        header_.interlaced = p[12] == 1;
    }

    void ReadPalette(const std::uint8_t* p, std::uint32_t length) {
        if (length == 0 || length % 3 != 0 || length > 256 * 3)
            Fail("PLTE of " + std::to_string(length) + " bytes (1 to 256 entries of 3 bytes)");
        palette_.assign(length / 3, {0, 0, 0, 255});
        for (std::size_t i = 0; i < palette_.size(); ++i)
            palette_[i] = {p[i * 3], p[i * 3 + 1], p[i * 3 + 2], 255};
    }

    void ReadTransparency(const std::uint8_t* p, std::uint32_t length) {
        switch (header_.colourType) {
        case kPalette:
            if (length > palette_.size()) Fail("tRNS has more entries than the palette");
            for (std::uint32_t i = 0; i < length; ++i) palette_[i][3] = p[i];
            break;
        case kGrey:
            if (length != 2) Fail("tRNS of a grey image is " + std::to_string(length) + " bytes, not 2");
            key_ = {Be16(p), Be16(p), Be16(p)};
            hasKey_ = true;
            break;
        case kRgb:
            if (length != 6) Fail("tRNS of an RGB image is " + std::to_string(length) + " bytes, not 6");
            key_ = {Be16(p), Be16(p + 2), Be16(p + 4)};
            hasKey_ = true;
            break;
        default: Fail("tRNS in an image that has an alpha channel");
        }
    }

    // The size the inflated data must have: every pass's rows, each with its filter byte.
    std::uint64_t RawSize() const {
        std::uint64_t total = 0;
        for (const Pass& pass : header_.interlaced ? std::vector<Pass>(kAdam7.begin(), kAdam7.end())
                                                   : std::vector<Pass>{kWhole}) {
            const std::uint32_t w = PassSize(header_.width, pass.x0, pass.dx);
            const std::uint32_t h = PassSize(header_.height, pass.y0, pass.dy);
            if (w && h) total += std::uint64_t(h) * (1 + header_.RowBytes(w));
        }
        return total;
    }

    std::vector<std::uint8_t> Inflate() {
        const std::uint64_t expected = RawSize();
        if (expected > idatBytes_ * kMaxInflateRatio + 1024)
            Fail("the image data (" + std::to_string(idatBytes_) + " bytes) is far too short for a " +
                 std::to_string(header_.width) + "x" + std::to_string(header_.height) + " image");
        std::vector<std::uint8_t> raw(static_cast<std::size_t>(expected));
        z_stream stream{};
        if (inflateInit(&stream) != Z_OK) Fail("cannot start zlib's inflate");
        stream.next_out = raw.data();
        stream.avail_out = uInt(raw.size());
        int result = Z_OK;
        for (std::size_t i = 0; i < idat_.size() && result == Z_OK && stream.avail_out > 0; ++i) {
            stream.next_in = const_cast<Bytef*>(idat_[i].first);
            stream.avail_in = idat_[i].second;
            while (stream.avail_in > 0 && stream.avail_out > 0 && result == Z_OK) result = inflate(&stream, Z_NO_FLUSH);
        }
        const std::string message = stream.msg ? stream.msg : "";
        const uLong produced = stream.total_out;
        inflateEnd(&stream);
        if (result != Z_OK && result != Z_STREAM_END && !(result == Z_BUF_ERROR && produced == raw.size()))
            Fail("bad zlib stream in the image data" + (message.empty() ? std::string() : " (" + message + ")"));
        if (produced < raw.size())
            Fail("the image data stops short (" + std::to_string(produced) + " of " + std::to_string(raw.size()) +
                 " bytes)");
        return raw;
    }

    // Undoes the row filters of one pass in place and writes its pixels; returns where the next
    // pass starts in the raw data.
    std::size_t DecodePass(std::vector<std::uint8_t>& raw, std::size_t at, const Pass& pass, RgbaImage& image) {
        const std::uint32_t w = PassSize(header_.width, pass.x0, pass.dx);
        const std::uint32_t h = PassSize(header_.height, pass.y0, pass.dy);
        if (!w || !h) return at;
        const std::size_t rowBytes = header_.RowBytes(w);
        const std::size_t bpp = std::max(1, header_.BitsPerPixel() / 8);  // filter distance in bytes
        const std::uint8_t* previous = nullptr;
        for (std::uint32_t y = 0; y < h; ++y) {
            const int filter = raw[at];
            std::uint8_t* row = raw.data() + at + 1;
            Unfilter(filter, row, previous, rowBytes, bpp, int(pass.y0 + y * pass.dy));
            std::uint8_t* pixel =
                image.rgba.data() + ((std::size_t(pass.y0) + std::size_t(y) * pass.dy) * header_.width + pass.x0) * 4;
            const std::size_t step = std::size_t(pass.dx) * 4;
            if (header_.depth == 8 && header_.colourType == kRgba) {
                for (std::uint32_t x = 0; x < w; ++x, pixel += step) std::memcpy(pixel, row + std::size_t(x) * 4, 4);
            } else {
                for (std::uint32_t x = 0; x < w; ++x, pixel += step) Sample(row, x, pixel);
            }
            previous = row;
            at += 1 + rowBytes;
        }
        return at;
    }

    void Unfilter(int filter, std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp, int y) const {
        auto up = [&](std::size_t i) -> int { return prior ? prior[i] : 0; };
        switch (filter) {
        case 0: return;
        case 1:
            for (std::size_t i = bpp; i < n; ++i) row[i] = std::uint8_t(row[i] + row[i - bpp]);
            return;
        case 2:
            if (prior)
                for (std::size_t i = 0; i < n; ++i) row[i] = std::uint8_t(row[i] + prior[i]);
            return;
        case 3:
            for (std::size_t i = 0; i < n; ++i) {
                const int left = i >= bpp ? row[i - bpp] : 0;
                row[i] = std::uint8_t(row[i] + ((left + up(i)) >> 1));
            }
            return;
        case 4:
            for (std::size_t i = 0; i < n; ++i) {
                const int a = i >= bpp ? row[i - bpp] : 0, b = up(i), c = i >= bpp ? up(i - bpp) : 0;
                const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
                row[i] = std::uint8_t(row[i] + (pa <= pb && pa <= pc ? a : pb <= pc ? b : c));
            }
            return;
        default: Fail("unknown row filter " + std::to_string(filter) + " in row " + std::to_string(y));
        }
    }

    // Sample c of pixel x of an unfiltered row, at the image's depth (not scaled).
    unsigned Raw(const std::uint8_t* row, std::uint32_t x, int c) const {
        const int d = header_.depth;
        if (d == 16) return Be16(row + (std::size_t(x) * header_.Channels() + c) * 2);
        if (d == 8) return row[std::size_t(x) * header_.Channels() + c];
        const std::size_t bit = std::size_t(x) * d;  // sub-byte depths have one channel
        return (row[bit / 8] >> (8 - d - bit % 8)) & ((1u << d) - 1);
    }

    std::uint8_t To8(unsigned v) const {
        switch (header_.depth) {
        case 16: return Round16(v);
        case 8: return std::uint8_t(v);
        default: return std::uint8_t(v * 255u / ((1u << header_.depth) - 1));
        }
    }

    void Sample(const std::uint8_t* row, std::uint32_t x, std::uint8_t* pixel) const {
        switch (header_.colourType) {
        case kPalette: {
            const unsigned index = Raw(row, x, 0);
            if (index >= palette_.size())
                Fail("palette index " + std::to_string(index) + " past the palette's " + std::to_string(palette_.size()) +
                     " entries");
            std::memcpy(pixel, palette_[index].data(), 4);
            return;
        }
        case kGrey:
        case kGreyAlpha: {
            const unsigned grey = Raw(row, x, 0);
            pixel[0] = pixel[1] = pixel[2] = To8(grey);
            pixel[3] = header_.colourType == kGreyAlpha ? To8(Raw(row, x, 1))
                                                        : (hasKey_ && grey == key_[0] ? 0 : 255);
            return;
        }
        default: {
            const unsigned r = Raw(row, x, 0), g = Raw(row, x, 1), b = Raw(row, x, 2);
            pixel[0] = To8(r);
            pixel[1] = To8(g);
            pixel[2] = To8(b);
            pixel[3] = header_.colourType == kRgba ? To8(Raw(row, x, 3))
                                                   : (hasKey_ && r == key_[0] && g == key_[1] && b == key_[2] ? 0 : 255);
        }
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::string name_;
    Header header_;
    std::vector<std::array<std::uint8_t, 4>> palette_;
    std::array<unsigned, 3> key_{};  // the tRNS colour of grey and RGB images, at the image's depth
    bool hasKey_ = false;
    std::vector<std::pair<const std::uint8_t*, std::uint32_t>> idat_;
    std::uint64_t idatBytes_ = 0;
};

}  // namespace

void ReadPng(const std::uint8_t* data, std::size_t size, RgbaImage& out, const std::string& name) {
    PngDecoder(data, size, name).Read(out);
}

void LoadPngFile(const std::string& path, RgbaImage& out) {
    const std::vector<std::uint8_t> bytes = ReadImageFile(path, kMaxFileSize);
    ReadPng(bytes.data(), bytes.size(), out, path);
}

}  // namespace vt
