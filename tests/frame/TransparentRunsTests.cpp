// The window region's transparent cut: the work image drawn as painting draws, and its runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/TransparentRuns.h"

namespace vt {
namespace {

constexpr Colour K = 0xFF00FF;  // the key
constexpr Colour A = 0x0000C0;

// A bitmap from rows of characters: 'k' key, anything else A.
Bitmap Picture(const std::vector<std::string>& rows) {
    Bitmap b;
    b.SetSize(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, rows[std::size_t(y)][std::size_t(x)] == 'k' ? K : A);
    b.SetTransparent(true);
    b.SetTransparentColor(K);
    return b;
}

std::vector<std::string> Rows(const Bitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) row += b.GetPixel(x, y) == K ? 'k' : '#';
        rows.push_back(row);
    }
    return rows;
}

TEST(TransparentRuns, RunsPerRowEndAtTheWidth) {
    std::vector<Rect> runs = TransparentRuns(Picture({"kk#k", "####", "#kkk"}), K);
    std::vector<Rect> expected = {{0, 0, 2, 1}, {3, 0, 4, 1}, {1, 2, 4, 3}};
    EXPECT_EQ(runs, expected);
    EXPECT_TRUE(TransparentRuns(Picture({"##"}), K).empty());
}

TEST(TransparentRuns, OpaqueRunsShareRectanglesWithTheRowsAboveThatMatch) {
    // Rows 1 and 2 match row 0's runs and stretch them; row 3 differs; row 4 has none, so row 5,
    // although like row 3, starts anew.
    std::vector<Rect> runs = OpaqueRuns(Picture({"#k##", "#k##", "#k##", "k#kk", "kkkk", "k#kk"}), K);
    std::vector<Rect> expected = {{0, 0, 1, 3}, {2, 0, 4, 3}, {1, 3, 2, 4}, {1, 5, 2, 6}};
    EXPECT_EQ(runs, expected);
}

TEST(TransparentRuns, WorkImageFollowsTheDrawingMode) {
    const Bitmap image = Picture({"k#", "##"});
    struct Row {
        const char* name;
        Rect rect;
        Rect visible;
        std::uint8_t mode;
        std::vector<std::string> expected;
    } rows[] = {
        {"stretched twice", {0, 0, 4, 4}, {0, 0, 4, 4}, 0x80, {"kk##", "kk##", "####", "####"}},
        {"tiled, cut at the right", {0, 0, 3, 2}, {0, 0, 3, 2}, 0x40, {"k#k", "###"}},
        {"once: uncovered pixels are cut", {0, 0, 3, 3}, {0, 0, 3, 3}, 0, {"k#k", "##k", "kkk"}},
        {"once, image larger than the rectangle", {0, 0, 1, 1}, {0, 0, 1, 1}, 0, {"k"}},
        {"once, image wholly left of the visible part", {-5, 0, 2, 2}, {0, 0, 2, 2}, 0, {"kk", "kk"}},
        {"only the visible part", {-2, 0, 2, 2}, {0, 0, 2, 2}, 0x40, {"k#", "##"}},
        {"stretched, visible part", {-2, 0, 2, 2}, {0, 0, 2, 2}, 0x80, {"##", "##"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Rows(MakeWorkImage(image, row.rect, row.visible, row.mode)), row.expected) << row.name;
    }
}

TEST(TransparentRuns, TileCopies) {
    struct Row {
        Rect rect;
        std::int32_t w, h, rows, columns;
    } rows[] = {
        {{0, 0, 25, 10}, 10, 10, 2, 3},  // the third column is cut, the second row clipped away
        {{0, 0, 20, 20}, 10, 10, 3, 3},
        {{0, 0, 5, 5}, 10, 10, 1, 1},
        {{10, 0, 0, 5}, 10, 10, 0, 0},   // inverted: nothing
        {{0, 0, 5, 5}, 0, 10, 0, 0},     // an image without pixels: nothing
    };
    for (const Row& row : rows) {
        TileCount c = TileCopies(row.rect, row.w, row.h);
        EXPECT_EQ(c.rows, row.rows) << row.rect.Right << "x" << row.rect.Bottom;
        EXPECT_EQ(c.columns, row.columns) << row.rect.Right << "x" << row.rect.Bottom;
    }
}

}  // namespace
}  // namespace vt
