#pragma once
// Helpers for the theme tests: a scratch folder, image files of our own making, and a theme
// state with a fresh script engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "script/Engine.h"
#include "theme/ThemeState.h"

namespace vt::test {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("vt_theme_test_" + std::to_string(std::uintptr_t(this) & 0xFFFFFF) + "_" +
                            std::to_string(counter++));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
    ASSERT_TRUE(out.good()) << path;
}

// A 24-bit bottom-up BMP of one colour (0x00BBGGRR).
inline void WriteBmp(const std::string& path, int w, int h, Colour colour) {
    int stride = (w * 3 + 3) & ~3;
    std::uint32_t imageSize = std::uint32_t(stride * h);
    std::string b;
    auto u16 = [&b](unsigned v) { b += char(v & 0xFF); b += char((v >> 8) & 0xFF); };
    auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    b += "BM";
    u32(54 + imageSize); u32(0); u32(54);
    u32(40); u32(std::uint32_t(w)); u32(std::uint32_t(h)); u16(1); u16(24); u32(0); u32(imageSize);
    u32(2835); u32(2835); u32(0); u32(0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b += char(BlueOf(colour));
            b += char(GreenOf(colour));
            b += char(RedOf(colour));
        }
        b.append(std::size_t(stride - w * 3), '\0');
    }
    WriteFile(path, b);
}

// An XPM of one colour: key '.' with the given colour text ("#FF0000", "None", ...).
inline std::string SolidXpm(int w, int h, const std::string& colour) {
    std::string text = "/* XPM */\nstatic char * image[] = {\n\"" + std::to_string(w) + " " + std::to_string(h) +
                       " 1 1\",\n\". c " + colour + "\",\n";
    for (int y = 0; y < h; ++y) text += "\"" + std::string(std::size_t(w), '.') + (y + 1 < h ? "\",\n" : "\"};\n");
    return text;
}

inline std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find(' ', i);
        if (end == std::string::npos) end = text.size();
        if (end > i) words.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    return words;
}

// Checks dump records the way a theme author's script reads them. An expected record is the
// record's key (its words up to the first KEY=VALUE word, e.g. "element 1" or "font title")
// followed by the fields that must be present in the first dump line with that key:
// "element 1 code=256 name=close" ignores the other fields. A record without fields must be
// present as a whole line ("events 0 OnPaint", "info # comment"); "!KEY" asserts that no line
// has that key.
inline ::testing::AssertionResult HasRecords(const std::string& dump, const std::vector<std::string>& expected) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < dump.size();) {
        std::size_t end = dump.find('\n', start);
        lines.push_back(dump.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& record : expected) {
        bool absent = !record.empty() && record[0] == '!';
        std::vector<std::string> words = Words(absent ? record.substr(1) : record);
        std::size_t keyLength = 0;
        while (keyLength < words.size() && words[keyLength].find('=') == std::string::npos) ++keyLength;
        const std::string* found = nullptr;
        for (const std::string& line : lines) {
            std::vector<std::string> have = Words(line);
            bool sameKey = have.size() >= keyLength && std::equal(words.begin(), words.begin() + keyLength, have.begin());
            bool whole = keyLength < words.size() || line == record;
            if (sameKey && (absent || whole)) {
                found = &line;
                break;
            }
        }
        if (absent) {
            if (found) return ::testing::AssertionFailure() << "unexpected record: " << *found << "\nin dump:\n" << dump;
            continue;
        }
        if (!found) return ::testing::AssertionFailure() << "no record: " << record << "\nin dump:\n" << dump;
        std::vector<std::string> have = Words(*found);
        for (std::size_t i = keyLength; i < words.size(); ++i)
            if (std::find(have.begin(), have.end(), words[i]) == have.end())
                return ::testing::AssertionFailure() << "record lacks " << words[i] << ": " << *found;
    }
    return ::testing::AssertionSuccess();
}

// A theme state as a load finds it: settings reset, a fresh engine, empty structures.
class FreshTheme {
public:
    FreshTheme() {
        ResetThemeSettings(state);
        CreateThemeStructures(state);
    }
    ~FreshTheme() { ReleaseThemeStructures(state); }
    ThemeState state;
};

}  // namespace vt::test
