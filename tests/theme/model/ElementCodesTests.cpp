#include <gtest/gtest.h>

#include "theme/ThemeErrors.h"
#include "theme/model/CornerSpec.h"
#include "theme/model/ElementCodes.h"
#include "theme/model/TUIElement.h"

namespace vt {
namespace {

TEST(ElementCodes, LookupByNameIgnoresCaseAndOneLeadingBang) {
    struct Row {
        const char* name;
        std::int32_t hitCode;
        std::uint32_t style;
    } rows[] = {
        {"BORDER", 18, 0x00800000}, {"close", 256, 0x00080000}, {"!CLOSE", 256, 0x00080000},
        {"Transparent", -1, 0xFFFFFFFF}, {"ERROR", -2, 0}, {"size", 4, 0x00040000},
        {"EXCLUDE", 4352, 0xFFFFFFFF}, {"shrinkflip", 270, 0xFFFFFFFF}, {"TITLE", 266, 0x00C00000},
    };
    for (const Row& row : rows) {
        const TRectType& found = ElementCodeRow(FindElementCode(row.name));
        EXPECT_EQ(found.HitCode, row.hitCode) << row.name;
        EXPECT_EQ(found.Style, row.style) << row.name;
    }
}

TEST(ElementCodes, UnknownNamesFailWithTheThemeMessage) {
    for (const char* name : {"", "!!CLOSE", "CLOSE ", "CLOSEBUTTON", "CAPTION-TITLE", "#CLOSE"}) {
        try {
            FindElementCode(name);
            ADD_FAILURE() << "no error for '" << name << "'";
        } catch (const ThemeError& e) {
            EXPECT_STREQ(e.what(), "Invalid element code") << name;
        }
    }
}

TEST(ElementCodes, LookupByHitCodeTakesTheFirstRow) {
    EXPECT_STREQ(ElementCodeRow(FindElementCodeByHitCode(4)).Name, "GROWBOX");  // not SIZE
    EXPECT_STREQ(ElementCodeRow(FindElementCodeByHitCode(3)).Name, "SYSMENU");
    EXPECT_STREQ(ElementCodeRow(FindElementCodeByHitCode(-1)).Name, "TRANSPARENT");
    EXPECT_EQ(FindElementCodeByHitCode(271), -1);
}

TEST(ElementCodes, StyleCondition) {
    struct Row {
        std::uint32_t mask;
        bool inverted;
        std::uint32_t style;
        bool applies;
        std::uint32_t absent = 0;
    } rows[] = {
        {0x00080000, false, 0x00CF0000, true},   // CLOSE on an overlapped window
        {0x00080000, false, 0x00C00000, false},  // no system menu
        {0x00080000, true, 0x00C00000, true},    // !CLOSE: only without a system menu
        {0x00080000, true, 0x00CF0000, false},
        {0, false, 0xFFFFFFFF, false},           // ERROR never applies
        {0, true, 0, false},                     // nor does !ERROR
        {0xFFFFFFFF, false, 0, false},           // a window without any style bit
        {0xFFFFFFFF, true, 0x00C00000, true},
        // An imported maximise button gives way to its toggled twin on a maximised window.
        {0x00010000, false, 0x00CF0000, true, 0x01000000},
        {0x00010000, false, 0x01CF0000, false, 0x01000000},
        {0x00010000, true, 0x01C00000, false, 0x01000000},  // absent bits win over an inverted condition too
    };
    for (const Row& row : rows) {
        TUIElement e;
        e.StyleMask = row.mask;
        e.Inverted = row.inverted;
        e.AbsentStyle = row.absent;
        EXPECT_EQ(ElementApplies(e, row.style), row.applies)
            << std::hex << "mask " << row.mask << " inverted " << row.inverted << " style " << row.style;
    }
}

TEST(CornerSpec, ParsesAnchorsAndOffsets) {
    struct Row {
        const char* text;
        std::int32_t x, y;
        unsigned anchor;
    } rows[] = {
        {"TL:0,0", 0, 0, 0x05}, {"rb:-10,-5", -10, -5, 0x0A}, {"TLX:3,4", 3, 4, 0x05},
        {"TRF:-40,4", -40, 4, 0x49}, {"bls:+1,2", 1, 2, 0x86}, {":7,8", 7, 8, 0}, {"", 0, 0, 0},
    };
    for (const Row& row : rows) {
        CornerSpec c = ParseCorner(row.text);
        EXPECT_EQ(c.point.x, row.x) << row.text;
        EXPECT_EQ(c.point.y, row.y) << row.text;
        EXPECT_EQ(c.anchor, row.anchor) << row.text;
    }
}

TEST(CornerSpec, MalformedCornersFail) {
    for (const char* text : {"TL", "TL:5", "TL:5,", "TL:,5", "TL:1,2,3", "TL:a,1", "TL:99999999999,0", "TL: 1,2"})
        EXPECT_THROW(ParseCorner(text), ThemeError) << text;
}

TEST(TUIElement, OffsetMovesBothCorners) {
    TUIElement e;
    e.Corner1 = {1, 2};
    e.Corner2 = {-3, -4};
    OffsetElement(e, 10, -1);
    EXPECT_EQ(e.Corner1.x, 11);
    EXPECT_EQ(e.Corner1.y, 1);
    EXPECT_EQ(e.Corner2.x, 7);
    EXPECT_EQ(e.Corner2.y, -5);
}

}  // namespace
}  // namespace vt
