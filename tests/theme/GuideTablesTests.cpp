// docs/writing-themes.md against the code: its tables of element codes (with their hit codes), of
// events and of script words must hold exactly what the code has, so that a code, event or word
// added without its row (or a row left behind) fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "script/Definition.h"
#include "script/Engine.h"
#include "script/ScriptEngine.h"
#include "script/drawing/DrawingContext.h"
#include "theme/ThemeWords.h"
#include "theme/model/ElementCodes.h"
#include "theme/model/TUIElement.h"

namespace vt {
namespace {

// The first two cells of every table row in the "## HEADING" section (up to the next "## "),
// backticks taken away.
std::vector<std::pair<std::string, std::string>> TableRows(const std::string& heading) {
    std::ifstream guide(std::string(VT_SOURCE_DIR) + "/docs/writing-themes.md");
    EXPECT_TRUE(guide) << "docs/writing-themes.md";
    std::vector<std::pair<std::string, std::string>> rows;
    bool inside = false;
    auto cell = [](const std::string& line, std::size_t& from) {
        std::size_t bar = line.find(" | ", from);
        std::string text = line.substr(from, bar == std::string::npos ? std::string::npos : bar - from);
        from = bar == std::string::npos ? line.size() : bar + 3;
        std::string plain;
        for (char c : text)
            if (c != '`') plain += c;
        while (!plain.empty() && (plain.back() == ' ' || plain.back() == '|')) plain.pop_back();
        return plain;
    };
    for (std::string line; std::getline(guide, line);) {
        if (line.rfind("## ", 0) == 0) inside = line == "## " + heading;
        if (!inside || line.rfind("| `", 0) != 0) continue;
        std::size_t from = 2;
        std::string first = cell(line, from);
        rows.emplace_back(first, cell(line, from));
    }
    return rows;
}

template <class Set>
void ExpectSame(const Set& inGuide, const Set& inCode, const std::string& what) {
    for (const auto& name : inCode) EXPECT_TRUE(inGuide.count(name)) << what << " " << name << " has no row in the guide";
    for (const auto& name : inGuide) EXPECT_TRUE(inCode.count(name)) << what << " " << name << ": a row for nothing the code has";
}

TEST(GuideTables, ElementCodesWithTheirHitCodes) {
    std::map<std::string, std::string> guide, code;
    for (const auto& [name, hit] : TableRows("Element codes")) guide[name] = hit;
    for (const TRectType& row : ElementCodes) code[row.Name] = std::to_string(row.HitCode);
    std::set<std::string> guideNames, codeNames;
    for (const auto& [name, hit] : guide) guideNames.insert(name);
    for (const auto& [name, hit] : code) {
        codeNames.insert(name);
        if (guide.count(name)) {
            EXPECT_EQ(guide[name], hit) << name << "'s hit code";
        }
    }
    ExpectSame(guideNames, codeNames, "element code");
}

TEST(GuideTables, Events) {
    std::set<std::string> guide, code;
    for (const auto& row : TableRows("Events")) guide.insert(row.first);
    for (const EventSlot& slot : kEventSlots) code.insert(slot.name);
    ExpectSame(guide, code, "event");
}

TEST(GuideTables, EveryScriptWordOfATheme) {
    // The words of a theme's engine: the core words and the theme's drawing and window words.
    ScriptEngine engine;
    DrawingContext context;
    RegisterThemeScriptWords(engine, context);
    std::set<std::string> code, guide;
    ScriptEngine::Running running(engine);
    for (TDefinition* word = Latest(); word; word = word->previous())
        code.insert(word->name.rfind("WS_", 0) == 0 ? "WS_CODE" : word->name);
    for (const auto& row : TableRows("Script words")) guide.insert(row.first);
    ExpectSame(guide, code, "word");
}

}  // namespace
}  // namespace vt
