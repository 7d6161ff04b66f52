#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/Engine.h"
#include "script/Value.h"
#include "theme/CurrentDirectoryGuard.h"
#include "theme/TextLines.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeTestSupport.h"
#include "theme/native/ThemeParser.h"

namespace vt {
namespace {

struct ParserCase {
    const char* name;
    const char* theme;                  // lines separated by \n
    std::vector<std::string> records;   // dump records (see HasRecords)
    std::vector<std::string> errors;    // check lines; "theme:" is the path; a trailing "..." matches a prefix
    int elements = -1;                  // expected element count, -1: not checked
};

// A theme folder with two bitmaps, red (4x3) and green (2x2); each row is parsed into a theme
// state of its own.
class ThemeParserTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteBmp(folder_ / "red.bmp", 4, 3, MakeColour(255, 0, 0));
        test::WriteBmp(folder_ / "green.bmp", 2, 2, MakeColour(0, 255, 0));
    }

    template <std::size_t N>
    void CheckAll(const ParserCase (&rows)[N]) {
        for (const ParserCase& row : rows) Check(row);
    }

    void Check(const ParserCase& row) {
        SCOPED_TRACE(row.name);
        test::FreshTheme fresh;
        std::vector<ThemeLoadError> errors;
        {
            CurrentDirectoryGuard inFolder(folder_.Path());
            ParseTheme(SplitLines(row.theme), fresh.state, [&](const ThemeLoadError& e) { errors.push_back(e); });
        }
        std::string dump = DumpThemeState(fresh.state);
        EXPECT_TRUE(test::HasRecords(dump, row.records));
        std::string report = FormatCheckReport("theme", errors);
        std::vector<std::string> got = SplitLines(report);
        ASSERT_EQ(got.size(), row.errors.size()) << report;
        for (std::size_t i = 0; i < got.size(); ++i) {
            const std::string& want = row.errors[i];
            bool prefix = want.size() > 3 && want.compare(want.size() - 3, 3, "...") == 0;
            std::string expected = prefix ? want.substr(0, want.size() - 3) : want;
            EXPECT_EQ(prefix ? got[i].substr(0, expected.size()) : got[i], expected);
        }
        if (row.elements >= 0) {
            EXPECT_EQ(fresh.state.Elements->Count(), std::size_t(row.elements)) << dump;
        }
    }

    test::TempFolder folder_;
};

// Element codes, corners and bitmap fields of [LAYOUT] lines.
const ParserCase kLayoutCases[] = {
    {"a bad code keeps its element, unfilled, and its index",
     "[IMAGES]\nred red.bmp\n[LAYOUT]\nFOO TL:0,0 TR:0,4 NONE NONE NONE NONE bad\n"
     "CLOSE TR:-22,5 TR:-6,21 red NONE NONE NONE close",
     {"element 0 code=0 style=0x00000000 name=- c1=0,0", "element 1 code=256 name=close normal=red"},
     {"theme:4: Invalid element code"}, 2},
    {"an indented # line is an element line, not a comment", "[LAYOUT]\n #CLOSE TL:0,0 TL:1,1",
     {"element 0 code=0"}, {"theme:2: Invalid element code"}, 1},
    {"! inverts the style condition", "[LAYOUT]\n!CLOSE TL:0,0 TL:1,1",
     {"element 0 code=256 style=0x00080000 inverted=1"}, {}, 1},
    {"a two-part code takes the hit code of the first and the style of the second",
     "[LAYOUT]\ncaption-title TL:0,0 TL:1,1\nCLOSE-!TITLE TL:0,0 TL:1,1",
     {"element 0 code=2 style=0x00C00000 inverted=0", "element 1 code=256 style=0x00C00000 inverted=0"}, {}, 2},
    {"codes with negative hit codes and empty masks",
     "[LAYOUT]\nTRANSPARENT TL:0,0 TL:1,1\n!ERROR TL:0,0 TL:1,1\nSIZE TL:0,0 TL:1,1",
     {"element 0 code=-1 style=0xFFFFFFFF", "element 1 code=-2 style=0x00000000 inverted=1",
      "element 2 code=4 style=0x00040000"},
     {}, 3},
    {"corners may be separated by a semicolon; NONE bitmaps set noimage",
     "[LAYOUT]\nCLOSE TR:-22,5;TR:-6,21 NONE NONE NONE NONE close",
     {"element 0 c1=-22,5 a1=0x09 c2=-6,21 a2=0x09 noimage=1 normal=- name=close"}, {}, 1},
    {"anchor letters ignore case and unknown letters; F and S are drawing modes",
     "[LAYOUT]\nTOP rb:-10,-5 TLX:3,4\nTOP TRF:-40,4 bls:1,2",
     {"element 0 c1=-10,-5 a1=0x0A c2=3,4 a2=0x05", "element 1 a1=0x49 a2=0x86"}, {}, 2},
    {"a missing corner is (0,0) without anchor; a corner without colon fails after the code is set",
     "[LAYOUT]\nCLIENT\nTOP TL TR:0,4",
     {"element 0 code=1 c1=0,0 a1=0x00 c2=0,0 a2=0x00 noimage=1", "element 1 code=12 c1=0,0 a1=0x00"},
     {"theme:3: '' is not a valid integer value"}, 2},
    {"EXCLUDE never carries bitmaps, whatever the names", "[IMAGES]\nred red.bmp\n[LAYOUT]\nEXCLUDE TL:0,0 TR:0,4 red red red red",
     {"element 0 code=4352 noimage=1 normal=- down=- inactive=- hover=-"}, {}, 1},
    {"bitmap positions are fixed: a short line takes its name as a bitmap name",
     "[IMAGES]\nred red.bmp\ngreen green.bmp\n[LAYOUT]\nTOP TL:0,0 TR:0,4 red green close",
     {"element 0 normal=red down=green inactive=- hover=- name=-"}, {}, 1},
    {"bitmap names ignore case, unknown ones are null, the element name keeps its case",
     "[IMAGES]\nred red.bmp\ngreen green.bmp\n[LAYOUT]\nCLOSE TL:0,0 TL:1,1 RED Green nothere none Close",
     {"element 0 normal=red down=green inactive=- hover=- noimage=0 name=Close"}, {}, 1},
};

// Comments, sections, [INFO], [MISC].
const ParserCase kStructureCases[] = {
    {"lines before the first section, comments and blank lines are skipped",
     "WIDTHFIXUP=5\n[MISC]\n#WIDTHFIXUP=9\n\nHEIGHTFIXUP=3", {"settings widthfixup=0 heightfixup=3 loaded=1"}, {}, 0},
    {"section names ignore case and the text after ]", "[layout] the frame\nCLOSE TL:0,0 TL:1,1",
     {"element 0 code=256"}, {}, 1},
    {"blanks inside the brackets make a section that matches nothing", "[ LAYOUT ]\nCLOSE TL:0,0 TL:1,1", {}, {}, 0},
    {"sections may come more than once; lines act in file order",
     "[LAYOUT]\nTOP TL:0,0 TR:0,4\n[MISC]\nMENUFIXUP=2\n[LAYOUT]\nBOTTOM BL:0,-4 BR:0,0",
     {"element 0 code=12", "element 1 code=15", "settings menufixup=2"}, {}, 2},
    {"[INFO] keeps comments, blank and indented lines verbatim",
     "[INFO]\nName: Slate\n\n# by us\n  indented\n[LAYOUT]\n# not info",
     {"info Name: Slate", "info ", "info # by us", "info   indented", "!info # not info"}, {}, 0},
    {"MISC keys: blanks belong to the key; the value is the next word",
     "[MISC]\nWIDTHFIXUP = 4\nheightfixup= 7 px\nMENUFIXUP=-3\nNOSUCHKEY=1",
     {"settings widthfixup=0 heightfixup=7 menufixup=-3"}, {}, 0},
    {"switches take the low 8 bits of the number", "[MISC]\nTILEMENU=256\nAUTOEXCLUDE=257\nWINDOWZOOM=2",
     {"settings tilemenu=0 autoexclude=1 windowzoom=1"}, {}, 0},
    {"a MISC value that is not a number is reported", "[MISC]\nHEIGHTFIXUP=abc\nWIDTHFIXUP=",
     {"settings heightfixup=0 widthfixup=0"},
     {"theme:2: 'abc' is not a valid integer value", "theme:3: '' is not a valid integer value"}, 0},
    {"SHRINKRECT: a bad line keeps the rectangle an earlier line gave",
     "[MISC]\nSHRINKRECT=TL:0,0;TR:0,24\nSHRINKRECT=TL:0,0 TR",
     {"shrink c1=0,0 a1=0x05 c2=0,24 a2=0x09"}, {"theme:3: '' is not a valid integer value"}, 0},
    {"a theme without SHRINKRECT has no shrink record", "[MISC]\nWIDTHFIXUP=1", {"!shrink"}, {}, 0},
};

// Fonts and their caption colours.
const ParserCase kFontCases[] = {
    {"face, size, black text, italic; an unknown word is ignored", "[TITLE FONT]\n'Arial' 9 000000 ITALIC zz",
     {"font title face=Arial size=9 color=0x00000000 bold=0 italic=1 underline=0", "settings titlecolor=0x80000002"},
     {}, 0},
    {"keywords and the background colour", "[TITLE FONT]\n'Tahoma' 8 FFFFFF bold center 00FF00",
     {"font title face=Tahoma size=8 color=0x00FFFFFF bold=1",
      "settings centercaption=1 solidcaption=0 titlecolor=0x0000FF00"},
     {}, 0},
    {"a later line without a colour goes back to the system caption colour",
     "[TITLE FONT]\n'Tahoma' 8 FFFFFF 00FF00\n'Tahoma' 8 FFFFFF UNDERLINE",
     {"settings titlecolor=0x80000002", "font title underline=1"}, {}, 0},
    {"inactive captions default to their own system colour; SOLID is theme-wide",
     "[INACTIVE FONT]\n'Tahoma' 8 808080 SOLID",
     {"settings solidcaption=1 titlecolor=0x00FFFFFF inactivecolor=0x80000003", "font inactive color=0x00808080"}, {},
     0},
    {"the menu font has no colour of its own", "[MENU FONT]\n'Verdana' 10 0000FF 123456 UNDERLINE",
     {"font menu face=Verdana size=10 color=0x000000FF underline=1",
      "settings titlecolor=0x00FFFFFF inactivecolor=0x00FFFFFF"},
     {}, 0},
    {"a face may hold blanks", "[TITLE FONT]\n'Times New Roman' 12 0", {"font title face=Times New Roman size=12"}, {},
     0},
    {"a size that is not a number fails the line", "[MENU FONT]\n'Arial' big 0",
     {"font menu face=Arial size=8"}, {"theme:2: 'big' is not a valid integer value"}, 0},
    {"a text colour that is not hexadecimal fails the line", "[MENU FONT]\n'Arial' 9 red",
     {"font menu size=9"}, {"theme:2: 'red' is not a valid hexadecimal value"}, 0},
};

// [IMAGES], [CODE] and event words, themed controls.
const ParserCase kImageAndScriptCases[] = {
    {"an image with a transparent colour", "[IMAGES]\nred red.bmp FF00FF",
     {"bitmap 0 name=red file=red.bmp size=4x3 transparent=1 key=0xFF00FF"}, {}, 0},
    {"a transparent colour that is not hexadecimal keeps transparency on, unreported",
     "[IMAGES]\nred red.bmp magenta\ngreen green.bmp", {"bitmap 0 transparent=1 key=0x0000FF", "bitmap 1 transparent=0"},
     {}, 0},
    {"an image file that cannot be read keeps its entry, empty", "[IMAGES]\ngone gone.bmp\nred red.bmp",
     {"bitmap 0 name=gone file=gone.bmp size=0x0", "bitmap 1 name=red size=4x3"}, {"theme:2: ..."}, 0},
    {"an image name whose case differs from the file on disk still loads", "[IMAGES]\nred RED.BMP",
     {"bitmap 0 name=red file=RED.BMP size=4x3"}, {}, 0},
    {"event words bind after the last line, with their case",
     "[CODE]\n: close::OnPaint ;\n[LAYOUT]\nCLOSE TL:0,0 TL:1,1 NONE NONE NONE NONE close\n"
     "[CODE]\n: close::OnMouseEnter ;\n: close::onmouseexit ;\n: caption::OnIdle ;",
     {"events 0 OnMouseEnter,OnPaint"}, {}, 1},
    {"unnamed elements bind nothing", "[CODE]\n: ::OnPaint ;\n[LAYOUT]\nCLOSE TL:0,0 TL:1,1", {"!events 0"}, {}, 1},
    {"a definition may run over several lines", "[LAYOUT]\nTOP TL:0,0 TR:0,4 NONE NONE NONE NONE top\n[CODE]\n: top::OnCalcRect\n1 DROP\n;",
     {"events 0 OnCalcRect"}, {}, 1},
    {"script errors are reported for their line", "[CODE]\n1 2 +\nfoo bar\n",
     {}, {"theme:3: Unknown WORD FOO"}, 0},
    {"a name is a constant only after its LAYOUT line",
     "[CODE]\nclose DROP\n[LAYOUT]\nCLOSE TL:0,0 TL:1,1 NONE NONE NONE NONE close\n[CODE]\nclose DROP",
     {}, {"theme:2: Unknown WORD CLOSE"}, 1},
    {"the [BUTTON] section goes to the themed button",
     "[IMAGES]\nred red.bmp\ngreen green.bmp\n[BUTTON]\nnormal=red\nNORMAL =green\nDISABLED=none\nFOCUSED=GREEN\n"
     "DOWN=\nnoequals",
     {"button normal=red down=- focused=green disabled=-"}, {}, 0},
    {"a theme without [LAYOUT] is loaded with no elements", "[INFO]\nempty", {"settings loaded=1"}, {}, 0},
};

TEST_F(ThemeParserTest, LayoutLines) { CheckAll(kLayoutCases); }
TEST_F(ThemeParserTest, SectionsCommentsInfoAndMisc) { CheckAll(kStructureCases); }
TEST_F(ThemeParserTest, Fonts) { CheckAll(kFontCases); }
TEST_F(ThemeParserTest, ImagesScriptsAndControls) { CheckAll(kImageAndScriptCases); }

TEST_F(ThemeParserTest, ElementNamesAreConstantsHoldingTheirIndex) {
    test::FreshTheme fresh;
    ParseTheme(SplitLines("[LAYOUT]\nBAD TL:0,0 TL:1,1 NONE NONE NONE NONE first\n"
                          "CLOSE TL:0,0 TL:1,1 NONE NONE NONE NONE close"),
               fresh.state, [](const ThemeLoadError&) {});
    ScriptEngine& scripts = *fresh.state.Scripts;
    scripts.Interpret("close");
    ASSERT_EQ(scripts.DataStack().Size(), 1u);
    EXPECT_EQ(scripts.DataStack().At(0).ToInteger(), 1) << "the failed line before still takes index 0";
    EXPECT_EQ(scripts.FindWord("first"), nullptr) << "a line failing in its code defines no name";
}

TEST_F(ThemeParserTest, DoesNothingWithoutElementList) {
    test::FreshTheme fresh;
    ReleaseThemeStructures(fresh.state);
    ParseTheme(SplitLines("[INFO]\nx\n[LAYOUT]\nCLOSE TL:0,0 TL:1,1"), fresh.state, {});
    EXPECT_FALSE(fresh.state.ThemeLoaded);
    EXPECT_TRUE(fresh.state.ThemeInfo.empty());
}

TEST_F(ThemeParserTest, EachParseStartsThemeInfoAfresh) {
    test::FreshTheme fresh;
    ParseTheme(SplitLines("[INFO]\nfirst"), fresh.state, {});
    ParseTheme(SplitLines("[INFO]\nsecond"), fresh.state, {});
    EXPECT_EQ(fresh.state.ThemeInfo, std::vector<std::string>{"second"});
}

}  // namespace
}  // namespace vt
