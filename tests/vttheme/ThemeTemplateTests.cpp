// vttheme new: the theme it writes loads clean, as the module loads it, with every common element
// and every image in place; and it never writes into a folder that holds anything.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "ThemeTemplate.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeTestSupport.h"
#include "theme/ThemeWords.h"
#include "theme/model/ElementCodes.h"

namespace vt {
namespace {

TEST(ThemeTemplate, ChecksCleanWithEveryCommonElement) {
    test::TempFolder temp;
    const std::string path = WriteThemeTemplate("Sky", temp / "sky");
    EXPECT_EQ(std::filesystem::path(path), std::filesystem::path(temp / "sky") / "Sky.theme");

    ThemeState theme;
    ThemeInspector inspector(theme);
    inspector.Load(path, {&RegisterThemeScriptWords});
    EXPECT_EQ(inspector.CheckReport(), "");
    ASSERT_TRUE(theme.Elements);

    std::set<std::string> codes;
    for (std::size_t i = 0; i < theme.Elements->Count(); ++i) {
        const TUIElement& e = theme.Elements->At(std::ptrdiff_t(i));
        const std::string code = ElementCodeRow(FindElementCodeByHitCode(e.HitCode)).Name;
        codes.insert(code);
        if (e.NoImage) continue;
        ASSERT_TRUE(e.NormalBitmap && e.NormalBitmap->Width() > 0) << code << " " << i << ": its image was read";
        EXPECT_TRUE(e.InactiveBitmap) << code << " " << i << " has an inactive look";
    }
    for (const char* code : {"BORDER", "TITLE", "CAPTION", "ICON", "CLOSE", "MAXIMIZE", "MINIMIZE", "CLIENT", "TOP",
                             "LEFT", "RIGHT", "BOTTOM", "TOPLEFT", "TOPRIGHT", "BOTTOMLEFT", "BOTTOMRIGHT"})
        EXPECT_TRUE(codes.count(code)) << code;
    EXPECT_TRUE(inspector.Button().Normal() && inspector.Button().Down() && inspector.Button().Focused() &&
                inspector.Button().Disabled());
    EXPECT_TRUE(theme.Theme->Items().FindBitmap("MenuBar"));
    EXPECT_TRUE(theme.AutoExclude);
}

TEST(ThemeTemplate, RefusesAFolderThatHoldsAnythingAndNamesThatAreNoFileNames) {
    test::TempFolder temp;
    std::ofstream(temp / "notes.txt") << "mine";
    const struct {
        const char* what;
        std::string name, folder, said;
    } rows[] = {
        {"a folder with a file", "Sky", temp.Path(), "is not empty"},
        {"a file in place of the folder", "Sky", temp / "notes.txt", "is not a folder"},
        {"a name with a folder in it", "a/b", temp / "new", "cannot be a theme's file name"},
        {"no name", "", temp / "new", "cannot be a theme's file name"},
    };
    for (const auto& row : rows) {
        try {
            WriteThemeTemplate(row.name, row.folder);
            ADD_FAILURE() << row.what << ": written";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(row.said), std::string::npos) << row.what << ": " << e.what();
        }
    }
    std::ifstream notes(temp / "notes.txt");
    std::string kept;
    notes >> kept;
    EXPECT_EQ(kept, "mine");
}

}  // namespace
}  // namespace vt
