// Times the image readers on frame-piece-sized images, the kind a theme load reads about ten
// of in every GUI process that starts:
//   a 200x30 BMP at 24 bits, at 8 bits with a palette, and RLE8;
//   a 200x30 XPM at 1 and at 2 characters per pixel.
// Each is read from a file (open, read, decode) and from memory (decode only).
//   bench_image_readers [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "graphics/BmpReader.h"
#include "graphics/XpmReader.h"

namespace {

constexpr int kWidth = 200, kHeight = 30;

void Put(std::vector<std::uint8_t>& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

// A title-bar piece: a vertical gradient with a darker band, as frame images tend to be.
unsigned Level(int x, int y) { return unsigned(80 + y * 5 + ((x / 25) % 2) * 20); }

std::vector<std::uint8_t> MakeBmp(int bits, bool rle) {
    std::vector<std::uint8_t> pixels;
    const int stride = (kWidth * bits + 31) / 32 * 4;
    for (int y = kHeight - 1; y >= 0; --y) {
        if (rle) {
            for (int x = 0; x < kWidth;) {
                int run = 1;
                while (x + run < kWidth && run < 255 && Level(x + run, y) == Level(x, y)) ++run;
                pixels.push_back(std::uint8_t(run));
                pixels.push_back(std::uint8_t(Level(x, y)));
                x += run;
            }
            pixels.push_back(0);
            pixels.push_back(y == 0 ? 1 : 0);
            continue;
        }
        std::size_t start = pixels.size();
        for (int x = 0; x < kWidth; ++x) {
            unsigned v = Level(x, y);
            if (bits == 24) {
                pixels.push_back(std::uint8_t(v));
                pixels.push_back(std::uint8_t(v / 2));
                pixels.push_back(std::uint8_t(255 - v));
            } else {
                pixels.push_back(std::uint8_t(v));
            }
        }
        pixels.resize(start + stride);
    }
    const std::uint32_t paletteSize = bits == 8 ? 256 * 4 : 0;
    const std::uint32_t offset = 14 + 40 + paletteSize;
    std::vector<std::uint8_t> file = {'B', 'M'};
    Put(file, offset + std::uint32_t(pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    Put(file, 40, 4);
    Put(file, kWidth, 4);
    Put(file, kHeight, 4);
    Put(file, 1, 2);
    Put(file, std::uint32_t(bits), 2);
    Put(file, rle ? 1 : 0, 4);
    Put(file, std::uint32_t(pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, 0, 4);
    Put(file, bits == 8 ? 256 : 0, 4);
    Put(file, 0, 4);
    for (std::uint32_t i = 0; i < paletteSize / 4; ++i) Put(file, i | (i / 2) << 8 | (255 - i) << 16, 4);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// 60 colours (kwm pieces have a few dozen), one transparent corner.
std::vector<std::string> MakeXpm(int charsPerPixel) {
    const std::string keys = ".#abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr unsigned kColours = 60;
    auto key = [&](unsigned i) {
        std::string k(1, keys[i % 8]);
        if (charsPerPixel == 2) k += keys[i / 8];
        else k[0] = keys[i];
        return k;
    };
    std::vector<std::string> lines = {"/* XPM */", "static char * piece_xpm[] = {"};
    char text[96];
    std::snprintf(text, sizeof text, "\"%d %d %u %d\",", kWidth, kHeight, kColours + 1, charsPerPixel);
    lines.push_back(text);
    lines.push_back("\"" + std::string(std::size_t(charsPerPixel), ' ') + " c None\",");
    for (unsigned i = 0; i < kColours; ++i) {
        std::snprintf(text, sizeof text, " c #%02X%02X%02X s level\",", 80 + i, 40 + i, 200 - i);
        lines.push_back("\"" + key(i) + text);
    }
    for (int y = 0; y < kHeight; ++y) {
        std::string row = "\"";
        for (int x = 0; x < kWidth; ++x)
            row += (x < 2 && y < 2) ? std::string(std::size_t(charsPerPixel), ' ') : key(Level(x, y) % kColours);
        lines.push_back(row + (y + 1 < kHeight ? "\"," : "\"};"));
    }
    return lines;
}

double MicrosecondsPerCall(int rounds, const std::function<void()>& call) {
    call();  // warm the file cache and the allocator
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) call();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vt_bench_image_readers";
    std::filesystem::create_directories(folder);

    std::printf("%-34s %12s %12s\n", "image (200x30)", "file us", "memory us");
    struct BmpCase {
        const char* name;
        int bits;
        bool rle;
    };
    for (const BmpCase& c : {BmpCase{"BMP 24-bit", 24, false}, BmpCase{"BMP 8-bit palette", 8, false},
                             BmpCase{"BMP RLE8", 8, true}}) {
        const std::vector<std::uint8_t> bytes = MakeBmp(c.bits, c.rle);
        const std::string path = (folder / "piece.bmp").string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        vt::Bitmap b;
        const double file = MicrosecondsPerCall(rounds, [&] { vt::LoadBmpFile(path, b); });
        const double memory = MicrosecondsPerCall(rounds, [&] { vt::ReadBmp(bytes.data(), bytes.size(), b); });
        std::printf("%-34s %12.2f %12.2f\n", c.name, file, memory);
    }
    for (int cpp : {1, 2}) {
        const std::vector<std::string> lines = MakeXpm(cpp);
        const std::string path = (folder / "piece.xpm").string();
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines) out << line << '\n';
        out.close();
        vt::Bitmap b;
        const double file = MicrosecondsPerCall(rounds, [&] { vt::ReadXpmFile(path, b); });
        const double memory = MicrosecondsPerCall(rounds, [&] { vt::ReadXpmLines(lines, b); });
        std::printf("XPM %d char%s per pixel, %3zu colours %12.2f %12.2f\n", cpp, cpp == 1 ? " " : "s",
                    lines.size() - 3 - kHeight, file, memory);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
