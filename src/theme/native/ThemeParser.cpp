#include "theme/native/ThemeParser.h"

#include <algorithm>
#include <cstdint>

#include "common/FileNameCase.h"
#include "common/PathText.h"
#include "graphics/BmpReader.h"
#include "script/Limits.h"
#include "script/ScriptEngine.h"
#include "theme/ThemeText.h"
#include "theme/model/CornerSpec.h"
#include "theme/model/ElementCodes.h"
#include "theme/native/LargerImages.h"
#include "theme/native/LineTokenizer.h"

namespace vt {
namespace {

constexpr Colour kActiveCaptionColour = 0x80000002;    // system colour COLOR_ACTIVECAPTION
constexpr Colour kInactiveCaptionColour = 0x80000003;  // system colour COLOR_INACTIVECAPTION

class NativeThemeReader {
public:
    NativeThemeReader(ThemeState& state, const std::string& folder)
        : state_(state), folder_(folder), stepsAtStart_(state.Scripts->StepsSpent()) {}

    void ReadLine(const std::string& line);
    void BindEventWords();
    const std::string& Section() const { return section_; }

private:
    void ReadImage(LineTokenizer& fields);
    void ReadElement(LineTokenizer& fields);
    void ReadFont(LineTokenizer& fields, Font& font, Colour* sectionColour, Colour defaultColour);
    void ReadMisc(LineTokenizer& fields);
    void ReadCode(const std::string& line);
    Bitmap* NamedBitmap(const std::string& name);

    ThemeState& state_;
    const std::string& folder_;  // where relative image names are
    std::string section_;
    std::int64_t stepsAtStart_;   // what the engine had spent before this load
};

void NativeThemeReader::ReadLine(const std::string& line) {
    if (line[0] == '[') {
        LineTokenizer header(line.substr(1));
        section_ = UpperCase(header.Next("]"));
        return;
    }
    LineTokenizer fields(line);
    if (section_ == "IMAGES") ReadImage(fields);
    else if (section_ == "LAYOUT") ReadElement(fields);
    else if (section_ == "TITLE FONT") ReadFont(fields, state_.TitleFont, &state_.TitleColor, kActiveCaptionColour);
    else if (section_ == "MENU FONT") ReadFont(fields, state_.MenuFont, nullptr, 0);
    else if (section_ == "INACTIVE FONT")
        ReadFont(fields, state_.InactiveFont, &state_.InactiveColor, kInactiveCaptionColour);
    else if (section_ == "CODE") ReadCode(line);
    else if (section_ == "MISC") ReadMisc(fields);
    else if (section_ == "BUTTON") state_.Button.LoadLine(line, *state_.Theme);  // the themed push button's
}

// A line of script. The lines of one load share kLoadStepBudget; event words run later keep
// the engine's own budget per run.
void NativeThemeReader::ReadCode(const std::string& line) {
    ScriptEngine& engine = *state_.Scripts;
    struct BudgetRestore {
        ScriptEngine& engine;
        std::int64_t saved;
        ~BudgetRestore() { engine.SetStepBudget(saved); }
    } restore{engine, engine.StepBudget()};
    const std::int64_t left = kLoadStepBudget - (engine.StepsSpent() - stepsAtStart_);
    engine.SetStepBudget(std::clamp<std::int64_t>(left, 0, restore.saved));
    engine.Interpret(line);
}

// name file [transparent colour]: btnclose close.bmp FF00FF
void NativeThemeReader::ReadImage(LineTokenizer& fields) {
    TThemeItem& item = state_.Theme->Items().Add();
    item.SetName(fields.Next(" "));
    item.SetFileName(fields.Next(" "));
    // The entry stays (with an empty bitmap) when its file cannot be read, so the names that
    // refer to it still find it.
    const std::string path = ExistingFileName(PathInFolder(folder_, item.FileName()));
    LoadBmpFile(path, item.Bitmap());
    std::string key = fields.Next(" ");
    if (!key.empty()) {
        item.SetTransparent(true);
        // Not a hexadecimal colour: transparency stays on with the bitmap's own choice.
        std::uint32_t colour = 0;
        if (TryParseHex(key, colour)) item.SetTransparentColor(colour);
    }
    AttachDoubleSizeImage(path, item.Bitmap());
}

Bitmap* NativeThemeReader::NamedBitmap(const std::string& name) {
    if (name.empty() || SameText(name, "NONE")) return nullptr;
    return state_.Theme->Items().FindBitmap(name);
}

// code corner1 corner2 normal down inactive hover [name]:
// CLOSE TR:-22,5 TR:-6,21 btnclose btnclosedown btncloseoff btnclosehot close
void NativeThemeReader::ReadElement(LineTokenizer& fields) {
    // Appended first: a line that fails part-way keeps its element and its index, so the
    // indices of later elements do not shift.
    TUIElement& element = state_.Elements->Append();
    std::size_t index = state_.Elements->Count() - 1;

    std::string code = fields.Next(" ");
    std::size_t dash = code.find('-');
    int hitRow = FindElementCode(dash == std::string::npos ? code : code.substr(0, dash));
    int styleRow = dash == std::string::npos ? hitRow : FindElementCode(code.substr(dash + 1));
    element.HitCode = ElementCodeRow(hitRow).HitCode;
    element.StyleMask = ElementCodeRow(styleRow).Style;
    element.Inverted = !code.empty() && code[0] == '!';

    CornerSpec corner1 = ParseCorner(fields.Next(" ;"));
    element.Corner1 = corner1.point;
    element.Anchor1 = corner1.anchor;
    CornerSpec corner2 = ParseCorner(fields.Next(" ;"));
    element.Corner2 = corner2.point;
    element.Anchor2 = corner2.anchor;

    std::string normal = fields.Next(" ");
    if (normal.empty() || SameText(normal, "NONE") || element.HitCode == kCodeExclude) {
        element.NoImage = true;
        for (int i = 0; i < 3; ++i) fields.Next(" ");
    } else {
        element.NormalBitmap = state_.Theme->Items().FindBitmap(normal);
        element.DownBitmap = NamedBitmap(fields.Next(" "));
        element.InactiveBitmap = NamedBitmap(fields.Next(" "));
        element.HoverBitmap = NamedBitmap(fields.Next(" "));
    }

    element.Name = fields.Next(" ");
    if (!element.Name.empty()) state_.Scripts->Interpret(std::to_string(index) + " CONSTANT " + element.Name);
}

// 'face' size colour [BOLD] [ITALIC] [UNDERLINE] [CENTER] [SOLID] [background colour]
void NativeThemeReader::ReadFont(LineTokenizer& fields, Font& font, Colour* sectionColour, Colour defaultColour) {
    if (sectionColour) *sectionColour = defaultColour;
    font.face = fields.Next("'");
    font.size = ParseDecimal(fields.Next(" "));
    font.colour = ParseHex(fields.Next(" "));
    font.bold = font.italic = font.underline = false;
    while (!fields.AtEnd()) {
        std::string keyword = UpperCase(fields.Next(" "));
        std::uint32_t colour = 0;
        if (keyword == "BOLD") font.bold = true;
        else if (keyword == "ITALIC") font.italic = true;
        else if (keyword == "UNDERLINE") font.underline = true;
        else if (keyword == "CENTER") state_.CenterCaption = true;
        else if (keyword == "SOLID") state_.SolidCaption = true;
        else if (sectionColour && TryParseHex(keyword, colour)) *sectionColour = colour;
    }
}

// KEY=value; blanks belong to the key, so "WIDTHFIXUP = 4" names no key.
void NativeThemeReader::ReadMisc(LineTokenizer& fields) {
    std::string key = UpperCase(fields.Next("="));
    if (key.empty()) return;
    // Settings that hold a switch take the low 8 bits of the number.
    auto flag = [&fields] { return (ParseDecimal(fields.Next(" ")) & 0xFF) != 0; };
    if (key == "WIDTHFIXUP") state_.WidthFixup = ParseDecimal(fields.Next(" "));
    else if (key == "HEIGHTFIXUP") state_.HeightFixup = ParseDecimal(fields.Next(" "));
    else if (key == "MENUFIXUP") state_.MenuFixup = ParseDecimal(fields.Next(" "));
    else if (key == "TILEMENU") state_.TileMenu = flag();
    else if (key == "AUTOEXCLUDE") state_.AutoExclude = flag();
    else if (key == "WINDOWZOOM") state_.WindowZoom = flag();
    else if (key == "SHRINKRECT") {
        // Both corners are read before the old rectangle is replaced: a malformed line keeps
        // the shrink rectangle an earlier line gave rather than leave a zero one.
        CornerSpec corner1 = ParseCorner(fields.Next(" ;"));
        CornerSpec corner2 = ParseCorner(fields.Next(" ;"));
        auto shrink = std::make_unique<TUIElement>();
        shrink->Corner1 = corner1.point;
        shrink->Anchor1 = corner1.anchor;
        shrink->Corner2 = corner2.point;
        shrink->Anchor2 = corner2.anchor;
        state_.ShrinkElement = std::move(shrink);
    }
}

void NativeThemeReader::BindEventWords() {
    for (std::size_t i = 0; i < state_.Elements->Count(); ++i) {
        TUIElement& element = state_.Elements->At(std::ptrdiff_t(i));
        if (element.Name.empty()) continue;
        for (const EventSlot& slot : kEventSlots) element.*slot.word = state_.Scripts->FindWord(element.Name + "::" + slot.name);
    }
}

}  // namespace

void ParseTheme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
                const std::string& folder) {
    if (!state.Elements || !state.Theme) return;
    state.ThemeLoaded = true;
    state.ThemeInfo.clear();
    NativeThemeReader reader(state, folder);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        GuardThemeLine(int(i + 1), sink, [&] {
            // [INFO] keeps its comments and blank lines: they are part of the text shown.
            if (reader.Section() == "INFO" && (line.empty() || line[0] != '[')) state.ThemeInfo.push_back(line);
            if (line.empty() || line[0] == '#') return;
            reader.ReadLine(line);
        });
    }
    GuardThemeLine(0, sink, [&] { reader.BindEventWords(); });
}

}  // namespace vt
