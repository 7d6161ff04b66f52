#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/XpmReader.h"

namespace vt {
namespace {

using Lines = std::vector<std::string>;
using Rows = std::vector<std::vector<Colour>>;

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr Colour kMagenta = 0xFF00FF, kUnknown = 0xFFFF00;

Bitmap Read(const Lines& lines) {
    Bitmap b;
    ReadXpmLines(lines, b, "test.xpm");
    return b;
}

Rows RowsOf(const Bitmap& b) {
    Rows rows(b.Height());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) rows[y].push_back(b.GetPixel(x, y));
    return rows;
}

std::string ErrorOf(const Lines& lines) {
    try {
        Read(lines);
    } catch (const ImageError& e) {
        return e.what();
    }
    return "(no error)";
}

// One colour line "a <colour>" and one pixel of key a: the colour and the transparency it gives.
TEST(XpmReader, ColourSpecifications) {
    struct Row {
        std::string colour;
        Colour expected;
        bool transparent;
    };
    const Row rows[] = {
        {"c #FF0000", kRed, false},
        {"c #29351e", MakeColour(0x29, 0x35, 0x1E), false},
        {"c #F00", MakeColour(0xF0, 0, 0), false},
        {"c #FFF0008A0", MakeColour(0xFF, 0x00, 0x8A), false},
        {"c #123456789ABC", MakeColour(0x12, 0x56, 0x9A), false},
        {"c #FFFFFFFFFFFF", kWhite, false},
        {"c None", kMagenta, true},
        {"c none", kMagenta, true},
        {"s None c None", kMagenta, true},
        {"c #29351e s active_color_2", MakeColour(0x29, 0x35, 0x1E), false},
        {"s active_color_2 c #29351e", MakeColour(0x29, 0x35, 0x1E), false},
        {"m white c #FF0000", kRed, false},
        {"m white", kWhite, false},
        {"g4 gray50 m white", MakeColour(127, 127, 127), false},
        {"m white g gray10 g4 gray50", MakeColour(26, 26, 26), false},
        {"s None", kBlack, false},
        {"s background", kBlack, false},
        {"c black", kBlack, false},
        {"c White", kWhite, false},
        {"c Gray31", MakeColour(79, 79, 79), false},
        {"c grey100", kWhite, false},
        {"c red", kRed, false},
        {"c dark slate gray", MakeColour(47, 79, 79), false},
        {"c DarkSlateGray s shadow", MakeColour(47, 79, 79), false},
        {"c no_such_colour", kBlack, false},
        {"c", kBlack, false},
        {"", kBlack, false},
        {"c\t#00FF00", kGreen, false},
        {"x #0000FF", kBlue, false},  // an unusual context letter still reads as c
        {"c #0000FF c #FF0000", kBlue, false},
    };
    for (const Row& r : rows) {
        Bitmap b = Read({"static char *x[] = {", "\"1 1 1 1\",", "\"a " + r.colour + "\",", "\"a\"", "};"});
        EXPECT_EQ(b.GetPixel(0, 0), r.expected) << r.colour;
        EXPECT_EQ(b.Transparent(), r.transparent) << r.colour;
        if (r.transparent) {
            EXPECT_EQ(b.TransparentColor(), kMagenta) << r.colour;
        }
    }
}

TEST(XpmReader, PixelKeys) {
    struct Row {
        const char* what;
        Lines lines;
        Rows expected;
    };
    const Row rows[] = {
        {"case matters; an undefined key is 0xFFFF00; the first definition wins",
         {"/* XPM */", "static char *x[] = {", "\"4 1 3 1\",", "\"a c #FF0000\",", "\"A c #0000FF\",",
          "\"a c #00FF00\",", "\"aAb.\"", "};"},
         {{kRed, kBlue, kUnknown, kUnknown}}},
        {"a key equal to the context letter, a space as a key",
         {"x", "\"3 1 2 1\",", "\"c c #29351e\",", "\"  c #FFFFFF\",", "\"c c\","},
         {{MakeColour(0x29, 0x35, 0x1E), kWhite, MakeColour(0x29, 0x35, 0x1E)}}},
        {"two characters per pixel; a key cut short at the row end is undefined",
         {"x", "\"3 2 2 2\",", "\"aa c #FF0000\",", "\"a. c None\",", "\"a.aaa.\",", "\"aaa\","},
         {{kMagenta, kRed, kMagenta}, {kRed, kUnknown, kBlack}}},
        {"comment markers inside pixel strings are pixels",
         {"x", "\"4 2 3 1\",", "\"/ c #FF0000\",", "\"* c #0000FF\",", "\". c #00FF00\",", "\"/**/\",", "\"*/..\","},
         {{kRed, kBlue, kBlue, kRed}, {kBlue, kRed, kGreen, kGreen}}},
    };
    for (const Row& r : rows) EXPECT_EQ(RowsOf(Read(r.lines)), r.expected) << r.what;
}

// The layouts real theme images are written in, which the reader must keep reading.
// Symbolic names are listed with the pixels they colour, for recolouring; the bitmap keeps the
// lines' own colours.
TEST(XpmReader, SymbolicNamesListTheirPixels) {
    XpmSymbols symbols;
    Bitmap b;
    ReadXpmLines({"x", "\"3 2 6 2\",", "\"aa c #FF0000 s active_color_1\",", "\"bb c None s active_color_2\",",
                  "\"cc c #00FF00\",", "\"dd s unused_name c #0000FF\",", "\"ee c #FFFFFF s active_color_1\",",
                  "\"ff c #FF0000 s active_color_1\",", "\"aabbcc\",", "\"eeffaa\"};"},
                 b, "t.xpm", &symbols);
    EXPECT_EQ(RowsOf(b), (Rows{{kRed, kMagenta, kGreen}, {kWhite, kRed, kRed}}));
    ASSERT_EQ(symbols.size(), 2u) << "see-through and unused names are not listed";
    EXPECT_EQ(symbols[0].name, "active_color_1");
    EXPECT_EQ(symbols[0].colour, kRed);
    EXPECT_EQ(symbols[0].pixels, (std::vector<std::uint32_t>{0, 4, 5})) << "two lines of one name and colour share it";
    EXPECT_EQ(symbols[1].colour, kWhite);
    EXPECT_EQ(symbols[1].pixels, (std::vector<std::uint32_t>{3}));
}

TEST(XpmReader, LayoutsOfRealFiles) {
    const Lines colours = {"\"a c #FF0000\",", "\"b c #0000FF\","};
    auto file = [&](const std::string& values, const Lines& rows) {
        Lines lines = {"/* XPM */", "static char * button_xpm[] = {", values};
        lines.insert(lines.end(), colours.begin(), colours.end());
        lines.insert(lines.end(), rows.begin(), rows.end());
        return lines;
    };
    const Colour a = kRed, b = kBlue, o = kBlack;
    struct Row {
        const char* what;
        Lines lines;
        Rows expected;
    };
    const Row rows[] = {
        {"last row without a comma, \"};\" on the next line", file("\"2 2 2 1\",", {"\"ab\",", "\"ba\"", "};"}),
         {{a, b}, {b, a}}},
        {"last row followed by \"};\" on its line", file("\"2 2 2 1\",", {"\"ab\",", "\"ba\"};"}), {{a, b}, {b, a}}},
        {"comments and blank lines between strings",
         file("\"2 2 2 1\",", {"/* pixels */", "", "\"ab\",", "   /* indented */", "\t", "\"ba\","}),
         {{a, b}, {b, a}}},
        {"comment after a row", file("\"2 2 2 1\",", {"\"ab\", /* the \"top\" */", "\"ba\","}), {{a, b}, {b, a}}},
        {"padded values line with hot spot and extension",
         file("\"  2  2   2 1  5 5 XPMEXT \",", {"\"ab\",", "\"ba\","}), {{a, b}, {b, a}}},
        {"tabs between the values", file("\"2\t2\t2\t1\",", {"\"ab\",", "\"ba\","}), {{a, b}, {b, a}}},
        {"rows shorter and longer than the width", file("\"3 2 2 1\",", {"\"a\",", "\"babab\","}), {{a, o, o}, {b, a, b}}},
        {"more rows than the height", file("\"2 1 2 1\",", {"\"ab\",", "\"ba\",", "\"aa\","}), {{a, b}}},
        {"file ends before the last row", file("\"2 3 2 1\",", {"\"ab\","}), {{a, b}, {o, o}, {o, o}}},
        {"carriage returns at the line ends", {"static char *x[] = {\r", "\"1 1 1 1\",\r", "\"a c #0000FF\",\r", "\"a\"\r"},
         {{b}}},
        {"an empty row string is a row", file("\"1 2 2 1\",", {"\"\",", "\"b\","}), {{o}, {b}}},
    };
    for (const Row& r : rows) EXPECT_EQ(RowsOf(Read(r.lines)), r.expected) << r.what;
}

TEST(XpmReader, BadInputNamesTheFileAndTheLine) {
    struct Row {
        const char* what;
        Lines lines;
        const char* message;
    };
    const Row rows[] = {
        {"empty", {}, "test.xpm: no XPM data"},
        {"no values line", {"static char *x[] = {"}, "test.xpm: line 1: no values line"},
        {"three values", {"x", "\"2 2 1\","}, "test.xpm: line 2: the values line has no number of characters per pixel"},
        {"huge number", {"x", "\"99999999999 1 1 1\","}, "line 2: the width is too large"},
        {"absurd size", {"x", "\"100000 100000 1 1\","}, "line 2: image size 100000x100000 is too large"},
        {"too many pixels", {"x", "\"16384 16384 1 1\","}, "image size 16384x16384 is too large"},
        {"zero width", {"x", "\"0 5 1 1\","}, "line 2: empty image size 0x5"},
        {"no characters per pixel", {"x", "\"1 1 1 0\",", "\" c #000000\","}, "line 2: 0 characters per pixel"},
        {"nine characters per pixel", {"x", "\"1 1 1 9\","}, "line 2: 9 characters per pixel"},
        {"more colours than lines", {"x", "\"1 1 1000000 1\",", "\"a c #000000\","},
         "line 2: 1000000 colours declared, but only 1 lines follow"},
        {"colour lines run out", {"x", "\"1 1 3 1\",", "\"a c #000000\",", "/* */", "", "\"b c #FFFFFF\","},
         "3 colours declared, but the file ends after 2"},
        {"hex of the wrong length", {"x", "\"1 1 1 1\",", "\"a c #12345\","}, "line 3: malformed colour #12345"},
        {"not hex", {"x", "\"1 1 1 1\",", "\"a c #GG0000\","}, "line 3: malformed colour #GG0000"},
        {"bare hash", {"x", "\"1 1 1 1\",", "\"a c #\","}, "malformed colour #"},
    };
    for (const Row& r : rows) EXPECT_NE(ErrorOf(r.lines).find(r.message), std::string::npos) << r.what << ": " << ErrorOf(r.lines);
}

TEST(XpmReader, FailedReadLeavesTheBitmapAsItWas) {
    Bitmap b;
    b.SetSize(1, 1);
    b.SetPixel(0, 0, kGreen);
    EXPECT_THROW(ReadXpmLines({"x", "\"2 1 2 1\",", "\"a c None\",", "\"b c #1\","}, b, "t.xpm"), ImageError);
    EXPECT_EQ(b.Width(), 1);
    EXPECT_EQ(b.GetPixel(0, 0), kGreen);
    EXPECT_FALSE(b.Transparent());
}

const std::string kData = std::string(VT_SOURCE_DIR) + "/tests/graphics/data/xpm/";

// A title-bar button as KDE 1 themes write them: 2 characters per pixel, 12-digit colours,
// symbolic names, several contexts on a line, comments, "};" after the last row.
TEST(XpmReader, ReadsAThemeButtonFile) {
    Bitmap b;
    ReadXpmFile(kData + "close.xpm", b);
    ASSERT_EQ(b.Width(), 6);
    ASSERT_EQ(b.Height(), 5);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.TransparentColor(), kMagenta);
    const Colour n = kMagenta, d = MakeColour(0x29, 0x35, 0x1E), l = MakeColour(0xC8, 0xD4, 0xE0), g = MakeColour(127, 127, 127);
    const Rows expected = {
        {n, d, d, d, d, n}, {d, l, g, g, l, d}, {d, g, l, l, g, d}, {d, l, g, g, l, d}, {n, d, d, d, d, n}};
    EXPECT_EQ(RowsOf(b), expected);
}

TEST(XpmReader, FileWithCarriageReturnsAndNoNewlineAtTheEnd) {
    Bitmap b;
    ReadXpmFile(kData + "crlf.xpm", b);
    EXPECT_EQ(RowsOf(b), (Rows{{kRed, kWhite}, {kWhite, kRed}}));
}

TEST(XpmReader, MissingFileNamesThePath) {
    Bitmap b;
    try {
        ReadXpmFile(kData + "no-such.xpm", b);
        FAIL() << "no error";
    } catch (const ImageError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(kData + "no-such.xpm: cannot open the file", 0), 0u) << e.what();
    }
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// Damaged copies of a theme image (characters changed, lines dropped or cut) are read or
// rejected with an ImageError, nothing else.
TEST(XpmReader, DamagedFilesFailCleanly) {
    const Lines original = {"/* XPM */", "static char * close_xpm[] = {", "\"6 5 4 2\",", "\"   s None c None\",",
                            "\".. c #292935351e1e s active_color_2\",", "\"XX m white c #C8C8D4D4E0E0\",",
                            "\"oo c Gray50 s shadow\",", "\"  ........  \",", "\"..XXooooXX..\",",
                            "\"..ooXXXXoo..\",", "\"..XXooooXX..\",", "\"  ........  \"};"};
    const std::string alphabet = "0123456789 \"\t#/*;,.Xoc9";
    std::uint32_t seed = 777;
    auto random = [&seed](std::uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % below;
    };
    int rejected = 0, read = 0;
    for (int round = 0; round < 3000; ++round) {
        Lines damaged = original;
        for (int i = 0, n = 1 + int(random(3)); i < n; ++i) {
            std::string& line = damaged[random(std::uint32_t(damaged.size()))];
            switch (random(4)) {
            case 0: line.clear(); break;
            case 1: line.resize(random(std::uint32_t(line.size() + 1))); break;
            default:
                if (!line.empty()) line[random(std::uint32_t(line.size()))] = alphabet[random(std::uint32_t(alphabet.size()))];
            }
        }
        Bitmap b;
        try {
            ReadXpmLines(damaged, b, "damaged.xpm");
            ++read;
        } catch (const ImageError& e) {
            ++rejected;
            EXPECT_EQ(std::string(e.what()).rfind("damaged.xpm: ", 0), 0u) << e.what();
        }
    }
    EXPECT_GT(rejected, 0);
    EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace vt
