#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "theme/ThemeInspector.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeTestSupport.h"

namespace vt {
namespace {

// A kwm theme written into a folder of its own: the themerc and solid XPM images.
struct KwmCase {
    const char* name;
    const char* themerc;
    std::vector<std::pair<const char*, std::pair<int, int>>> images;  // file, {width, height}
    std::vector<std::string> records;
    int elements;
};

// Frame pieces of the usual shape: corners 6x6, edges 4 thick, a 20 pixel title bar.
const std::vector<std::pair<const char*, std::pair<int, int>>> kFrame = {
    {"wm_topleft.xpm", {6, 6}},    {"wm_topright.xpm", {6, 6}}, {"wm_bottomleft.xpm", {6, 6}},
    {"wm_bottomright.xpm", {6, 6}}, {"wm_top.xpm", {2, 4}},      {"wm_bottom.xpm", {2, 4}},
    {"wm_left.xpm", {4, 2}},       {"wm_right.xpm", {4, 2}},    {"activetitlebar.xpm", {2, 20}},
};

std::vector<std::pair<const char*, std::pair<int, int>>> FrameAnd(
    std::vector<std::pair<const char*, std::pair<int, int>>> more) {
    more.insert(more.begin(), kFrame.begin(), kFrame.end());
    return more;
}

class KwmImporterTest : public ::testing::Test {
protected:
    std::string Import(const KwmCase& row) {
        test::TempFolder folder;
        test::WriteFile(folder / "themerc", row.themerc);
        for (const auto& image : row.images)
            test::WriteFile(folder / image.first, test::SolidXpm(image.second.first, image.second.second, "#405060"));
        test::FreshTheme fresh;
        errors_.clear();
        LoadThemeFile(folder / "themerc", fresh.state, [this](const ThemeLoadError& e) { errors_.push_back(e); });
        count_ = int(fresh.state.Elements->Count());
        return DumpThemeState(fresh.state);
    }

    void Check(const KwmCase& row) {
        SCOPED_TRACE(row.name);
        std::string dump = Import(row);
        EXPECT_TRUE(test::HasRecords(dump, row.records));
        EXPECT_EQ(count_, row.elements) << dump;
        EXPECT_TRUE(errors_.empty()) << FormatCheckReport("themerc", errors_);
    }

    std::vector<ThemeLoadError> errors_;
    int count_ = 0;
};

// Element indices: 0-7 frame pieces, 8 title, 9 caption, 10 client, then the buttons.
const KwmCase kLayoutCases[] = {
    {"no images at all: the fixed elements keep (0,0) corners, then join and shift",
     "[General]\nName=empty\n", {},
     {"element 0 code=13 normal=- c1=0,0 c2=0,0", "element 7 code=10 c1=-1,0 c2=-1,0", "element 3 c1=1,0 c2=1,0",
      "element 8 code=266 style=0x00C00000 c1=-1,0 a1=0x45 c2=1,0", "element 10 code=1 c1=-1,0 c2=1,1 noimage=1",
      "settings widthfixup=4 heightfixup=5 autoexclude=1 loaded=1"},
     11},
    {"WIDTHFIXUP counts the edge shifts: 4-wide edges give 10", "", kFrame,
     {"element 7 c1=-1,6 c2=3,-6", "element 3 c1=-3,6 c2=1,-6", "settings widthfixup=10 heightfixup=31"}, 11},
    {"menu left, close right, maximize left of close; 18x18 buttons centred 1 pixel down in 20",
     "ButtonA=Menu\nButtonD=Close\nButtonE=Maximize\nMenuButton=m.xpm\nCloseButton=c.xpm\nMaximizeButton=x.xpm\n",
     FrameAnd({{"m.xpm", {18, 18}}, {"c.xpm", {18, 18}}, {"x.xpm", {18, 18}}}),
     {"element 11 code=3 style=0x00080000 c1=3,5 a1=0x05 c2=21,23 a2=0x05 normal=m down=m",
      "element 12 code=256 style=0x00080000 c1=-21,5 a1=0x09 c2=-3,23 a2=0x09 normal=c",
      "element 13 code=258 style=0x00010000 c1=-39,5 c2=-21,23 normal=x",
      "element 9 code=2 c1=21,4 c2=-39,24 noimage=1"},
     14},
    {"Sticky and Off make nothing and take no room; unknown kinds neither",
     "ButtonA=Sticky\nButtonB=Off\nButtonC=Menu\nButtonD=Help\nButtonF=Iconify\nMenuButton=m.xpm\n"
     "MinimizeButton=i.xpm\n",
     FrameAnd({{"m.xpm", {16, 16}}, {"i.xpm", {16, 16}}}),
     {"element 11 code=3 c1=3,6", "element 12 code=257 style=0x00020000 c1=-19,6", "element 9 c1=19,4 c2=-19,24"},
     13},
    {"buttons taller than the title bar are not centred", "ButtonD=Close\nCloseButton=c.xpm\n",
     FrameAnd({{"c.xpm", {24, 24}}}), {"element 11 c1=-27,4 c2=-3,28"}, 12},
    {"a button without its image takes no room but still counts for centring",
     "ButtonD=Close\nButtonE=Maximize\nCloseButton=gone.xpm\nMaximizeButton=x.xpm\n", FrameAnd({{"x.xpm", {16, 16}}}),
     {"element 11 code=256 normal=- c1=-3,14 c2=-3,14", "element 12 code=258 c1=-19,6 c2=-3,22"}, 13},
};

const KwmCase kKeyCases[] = {
    {"keys ignore case and sections; blanks around = hide a key",
     "[Buttons]\nbuttona=menu\nMENUBUTTON=m.xpm\nshapePixmapTop = top2.xpm\n",
     FrameAnd({{"m.xpm", {16, 16}}, {"top2.xpm", {2, 9}}}), {"element 11 code=3 normal=m", "element 1 normal=wm_top"},
     12},
    {"the pressed image: ButtonDown spelling, else the KDE 1 DownButton one, else the normal image",
     "ButtonD=Close\nButtonE=Maximize\nButtonF=Iconify\nCloseButtonDown=c1.xpm\nCloseDownButton=c2.xpm\n"
     "MaximizeDownButton=x2.xpm\n",
     FrameAnd({{"CLOSE.XPM", {16, 16}}, {"c1.xpm", {16, 16}}, {"c2.xpm", {16, 16}}, {"MAXIMIZE.XPM", {16, 16}},
               {"x2.xpm", {16, 16}}, {"ICONIFY.XPM", {16, 16}}}),
     {"element 11 normal=CLOSE down=c1 inactive=CLOSE", "element 12 normal=MAXIMIZE down=x2",
      "element 13 normal=ICONIFY down=ICONIFY"},
     14},
    {"two keys naming one file make two entries of one name",
     "TitlebarPixmapActive=wm_top.xpm\nTitlebarPixmapInactive=wm_top.xpm\n", kFrame,
     {"bitmap 1 name=wm_top", "bitmap 8 name=wm_top file=wm_top.xpm", "bitmap 9 name=wm_top",
      "element 8 normal=wm_top inactive=wm_top"},
     11},
    {"entry names drop the folder and everything from the first dot",
     "shapePixmapTop=sub/top.piece.xpm\n", FrameAnd({{"sub/top.piece.xpm", {2, 4}}}),
     {"bitmap 1 name=top file=sub/top.piece.xpm size=2x4"}, 11},
};

TEST_F(KwmImporterTest, Layout) {
    for (const KwmCase& row : kLayoutCases) Check(row);
}

TEST_F(KwmImporterTest, Keys) {
    for (const KwmCase& row : kKeyCases) Check(row);
}

// One unreadable image costs its picture, reported with the line that named it; the frame is
// still built, so windows keep a client area.
TEST_F(KwmImporterTest, AnUnreadableImageIsReportedAndTheRestLoads) {
    test::TempFolder folder;
    test::WriteFile(folder / "themerc", "[Window Border]\nshapePixmapLeft=bad.xpm\n");
    test::WriteFile(folder / "bad.xpm", "/* XPM */\nstatic char *x[] = {\n\"4 nonsense\",\n};\n");
    test::WriteFile(folder / "wm_right.xpm", test::SolidXpm(4, 2, "#000000"));
    test::FreshTheme fresh;
    std::vector<ThemeLoadError> errors;
    LoadThemeFile(folder / "themerc", fresh.state, [&](const ThemeLoadError& e) { errors.push_back(e); });
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 2);
    EXPECT_NE(errors[0].message.find("bad.xpm"), std::string::npos) << errors[0].message;
    std::string dump = DumpThemeState(fresh.state);
    EXPECT_TRUE(test::HasRecords(dump, {"bitmap 1 name=bad size=0x0", "element 3 c1=-3,0", "element 10 code=1"}))
        << dump;
}

}  // namespace
}  // namespace vt
