// Times a whole theme load as the module does it when a GUI process starts: settings reset, a
// fresh script engine with its core words, empty structures, then the theme file read, its
// images decoded and its script compiled.
//   native: 20 elements, 10 BMPs of frame-piece size (title pieces 200x30, edges, corners,
//           buttons), 50 script lines, fonts, MISC and BUTTON sections;
//   kwm:    a KDE 1 layout themerc with 17 XPM images (corners, edges, 200x20 title bars,
//           four buttons and three pressed images).
// Both are written to a scratch folder first; the committed test themes are timed as well.
//   bench_theme_load [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/Dpi.h"
#include "graphics/DpiScaling.h"
#include "script/ScriptEngine.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeState.h"
#include "theme/ThemeWords.h"
#include "theme/import/ThemeColourSymbols.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

void Put(std::string& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += char((v >> (8 * i)) & 0xFF);
}

// A 24-bit BMP with a gradient, as frame pieces tend to be.
void WriteBmp(const fs::path& path, int w, int h) {
    int stride = (w * 3 + 3) & ~3;
    std::string b = "BM";
    Put(b, 54 + std::uint32_t(stride * h), 4);
    Put(b, 0, 4);
    Put(b, 54, 4);
    Put(b, 40, 4);
    Put(b, std::uint32_t(w), 4);
    Put(b, std::uint32_t(h), 4);
    Put(b, 1, 2);
    Put(b, 24, 2);
    for (int i = 0; i < 6; ++i) Put(b, 0, 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) Put(b, std::uint32_t(0x506070 + y * 0x030303 + (x / 25) % 2 * 0x101010), 3);
        b.append(std::size_t(stride - w * 3), '\0');
    }
    Write(path, b);
}

// An XPM with three colours in KDE 1 forms and a transparent one.
void WriteXpm(const fs::path& path, int w, int h) {
    std::string t = "/* XPM */\nstatic char *img[] = {\n\"" + std::to_string(w) + " " + std::to_string(h) +
                    " 4 1\",\n\"  s None c None\",\n\". c #3C3C50506464\",\n\"+ c Gray31\",\n\"@ m white c #A03030\",\n";
    for (int y = 0; y < h; ++y) {
        t += '"';
        for (int x = 0; x < w; ++x) t += (x == 0 && y == 0) ? ' ' : ".+@"[(x / 3 + y) % 3];
        t += y + 1 < h ? "\",\n" : "\"};\n";
    }
    Write(path, t);
}

void MakeNativeTheme(const fs::path& dir) {
    fs::create_directories(dir);
    struct Piece { const char* name; int w, h; } pieces[] = {
        {"tl", 30, 30}, {"top", 200, 30}, {"tr", 30, 30}, {"left", 8, 200}, {"right", 8, 200},
        {"bl", 30, 8},  {"bottom", 200, 8}, {"br", 30, 8}, {"close", 18, 18}, {"closedown", 18, 18},
    };
    std::string t = "[INFO]\nBench: a representative native theme\n[IMAGES]\n";
    for (const Piece& p : pieces) {
        WriteBmp(dir / (std::string(p.name) + ".bmp"), p.w, p.h);
        t += std::string(p.name) + " " + p.name + ".bmp" + (p.w == 18 ? " FF00FF" : "") + "\n";
    }
    t += "[LAYOUT]\n"
         "TOPLEFT TL:0,0 TL:30,30 tl\nTOP TLS:30,0 TR:-30,30 top\nTOPRIGHT TR:-30,0 TR:0,30 tr\n"
         "LEFT TLS:0,30 BL:8,-8 left\nRIGHT TRS:-8,30 BR:0,-8 right\nBOTTOMLEFT BL:0,-8 BL:30,0 bl\n"
         "BOTTOM BLS:30,-8 BR:-30,0 bottom\nBOTTOMRIGHT BR:-30,-8 BR:0,0 br\n"
         "CAPTION-TITLE TL:30,4 TR:-80,26 NONE NONE NONE NONE title\n!CAPTION TL:8,4 TR:-8,6 top top top top\n"
         "SYSMENU TL:8,6 TL:26,24 NONE NONE NONE NONE sysmenu\nICON TL:8,6 TL:26,24 NONE\n"
         "CLOSE TR:-26,6 TR:-8,24 close closedown close close close\n"
         "MAXIMIZE TR:-46,6 TR:-28,24 close closedown close close max\n"
         "MINIMIZE TR:-66,6 TR:-48,24 close closedown close close min\n"
         "SHRINKFLIP TR:-86,6 TR:-68,24 NONE NONE NONE NONE shrink\nEXCLUDE TL:0,0 TL:2,2\nEXCLUDE TR:-2,0 TR:0,2\n"
         "CLIENT TL:8,30 BR:-8,-8\nGROWBOX BR:-12,-12 BR:0,0 NONE NONE NONE NONE grip\n"
         "[TITLE FONT]\n'Tahoma' 8 FFFFFF BOLD CENTER 503C28\n[INACTIVE FONT]\n'Tahoma' 8 C0C0C0 786450\n"
         "[MENU FONT]\n'Tahoma' 8 000000\n[MISC]\nWIDTHFIXUP=16\nHEIGHTFIXUP=38\nSHRINKRECT=TL:0,0;TR:0,30\n"
         "[BUTTON]\nNORMAL=close\nDOWN=closedown\n[CODE]\n";
    const char* words[] = {"hovers", "presses", "paints", "ticks", "phase"};
    for (const char* w : words) t += std::string("VARIABLE ") + w + "\n0 " + w + " !\n";
    t += ": count DUP @ 1+ SWAP ! ;\n: uncount DUP @ 1- SWAP ! ;\n: twice DUP + ;\n: square DUP * ;\n"
         ": negate 0 SWAP - ;\n: abs DUP 0 < IF negate THEN ;\n: sum-to 0 SWAP 0 DO I + LOOP ;\n"
         ": wobble phase @ 1+ DUP 8 = IF DROP 0 THEN phase ! ;\n";
    const char* named[] = {"title", "close", "max", "min", "shrink", "sysmenu", "grip"};
    for (const char* n : named) {
        t += std::string(": ") + n + "::OnMouseEnter hovers count ;\n";
        t += std::string(": ") + n + "::OnPaint paints count ;\n";
        t += std::string(": ") + n + "::OnIdle ticks count wobble ;\n";
    }
    t += ": frame-width\n  8 twice\n;\n: title-height\n  30 4 -\n;\n: button-left\n  close 20 *\n  negate\n;\n"
         "title DROP\n3 square abs DROP\nframe-width title-height + DROP\n";
    Write(dir / "bench.theme", t);
}

void MakeKwmTheme(const fs::path& dir) {
    fs::create_directories(dir);
    struct Piece { const char* name; int w, h; } pieces[] = {
        {"wm_topleft.xpm", 20, 20}, {"wm_topright.xpm", 20, 20}, {"wm_bottomleft.xpm", 20, 20},
        {"wm_bottomright.xpm", 20, 20}, {"wm_top.xpm", 20, 4}, {"wm_bottom.xpm", 20, 4}, {"wm_left.xpm", 4, 20},
        {"wm_right.xpm", 4, 20}, {"activetitlebar.xpm", 200, 20}, {"inactivetitlebar.xpm", 200, 20},
        {"menu.xpm", 18, 18}, {"close.xpm", 18, 18}, {"maximize.xpm", 18, 18}, {"iconify.xpm", 18, 18},
        {"close_down.xpm", 18, 18}, {"max_down.xpm", 18, 18}, {"min_down.xpm", 18, 18},
    };
    for (const Piece& p : pieces) WriteXpm(dir / p.name, p.w, p.h);
    Write(dir / "themerc",
          "[Window Border]\nshapePixmapTop=wm_top.xpm\nshapePixmapBottom=wm_bottom.xpm\n"
          "shapePixmapLeft=wm_left.xpm\nshapePixmapRight=wm_right.xpm\nshapePixmapTopLeft=wm_topleft.xpm\n"
          "shapePixmapTopRight=wm_topright.xpm\nshapePixmapBottomLeft=wm_bottomleft.xpm\n"
          "shapePixmapBottomRight=wm_bottomright.xpm\n[Window Titlebar]\n"
          "TitlebarPixmapActive=activetitlebar.xpm\nTitlebarPixmapInactive=inactivetitlebar.xpm\n"
          "[Window Button Layout]\nButtonA=Menu\nButtonB=Sticky\nButtonC=Off\nButtonD=Close\nButtonE=Maximize\n"
          "ButtonF=Iconify\n[Buttons]\nCloseDownButton=close_down.xpm\nMaximizeDownButton=max_down.xpm\n"
          "MinimizeDownButton=min_down.xpm\n");
}

// The images at a display scale, made as the module makes them with a load on a scaled screen.
void ScaleImages(vt::ThemeState& state, std::int32_t dpi) {
    if (dpi == vt::kBaseDpi) return;
    vt::TThemeItems& items = state.Theme->Items();
    vt::Bitmap scaled;
    for (std::size_t i = 0; i < items.Count(); ++i) vt::ScaleForDpi(items[i].Bitmap(), dpi, scaled);
}

// One load as the module does it.
int LoadOnce(vt::ThemeState& state, const std::string& path, std::int32_t dpi = vt::kBaseDpi) {
    int errors = 0;
    vt::ThemeLoadSteps steps;
    steps.words = {&vt::RegisterThemeScriptWords};   // as the module does: theme scripts use the drawing words
    steps.sink = [&errors](const vt::ThemeLoadError&) { ++errors; };
    vt::LoadThemeState(path, state, steps);
    ScaleImages(state, dpi);
    return errors;
}

void Time(const char* label, const std::string& path, int rounds, std::int32_t dpi = vt::kBaseDpi) {
    vt::ThemeState state;
    int errors = LoadOnce(state, path, dpi);  // warm the file cache
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        LoadOnce(state, path, dpi);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %.3f ms  p90 %.3f ms  min %.3f ms  (%zu elements, %zu bitmaps, %d errors)\n", label,
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms[0], state.Elements->Count(), state.Theme->Items().Count(),
                errors);
    vt::ReleaseThemeStructures(state);
}

void TimeEngineStart(int rounds) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        { vt::ScriptEngine engine; }
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %.3f ms  (part of every load above)\n", "engine start and end alone", ms[ms.size() / 2]);
}

// Two colour schemes applied in turn: each call recolours every symbolic image, as a colour
// scheme change does once per process.
struct BenchScheme : vt::SystemColourTable {
    vt::Colour shift = 0;
    vt::Colour Get(vt::SystemColour which) const override { return (0x405060u * (int(which) + 1) + shift) & 0xFFFFFF; }
};

void TimeRecolour(const char* label, const std::string& path, int rounds) {
    vt::ThemeState state;
    LoadOnce(state, path);
    BenchScheme scheme;
    std::vector<double> ms;
    std::size_t changed = 0;
    for (int i = 0; i < rounds; ++i) {
        scheme.shift = vt::Colour(i % 2) * 0x010101;
        auto start = std::chrono::steady_clock::now();
        changed = vt::ApplySystemColours(state, scheme).size();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %.3f ms  p90 %.3f ms  (%zu of %zu bitmaps recoloured)\n", label, ms[ms.size() / 2],
                ms[ms.size() * 9 / 10], changed, state.Theme->Items().Count());
    vt::ReleaseThemeStructures(state);
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    fs::path dir = fs::temp_directory_path() / ("vt_theme_bench_" + std::to_string(std::rand()));
    MakeNativeTheme(dir / "native");
    MakeKwmTheme(dir / "kwm");
    std::string data = std::string(VT_SOURCE_DIR) + "/tests/theme/data/";
    Time("native (20 elements, 10 BMPs)", (dir / "native/bench.theme").string(), rounds);
    Time("kwm (KDE 1 layout, 17 XPMs)", (dir / "kwm/themerc").string(), rounds);
    Time("test theme native/slate", data + "native/slate/slate.theme", rounds);
    Time("test theme kwm/kde1", data + "kwm/kde1/themerc", rounds);
    Time("sample theme harbor (native)", std::string(VT_SOURCE_DIR) + "/themes/harbor/harbor.theme", rounds);
    // A real xfwm4 theme, where the test command has installed Debian's package of it.
    const std::string greybird = "/usr/share/themes/Greybird/xfwm4/themerc";
    if (fs::exists(greybird)) {
        Time("xfwm4 Greybird (installed)", greybird, rounds);
        Time("xfwm4 Greybird at 200 % (scaled)", greybird, rounds, 192);
        Time("xfwm4 Greybird at 150 % (scaled)", greybird, rounds, 144);
    }
    // Real IceWM themes (icewm-common): CrystalBlue has every frame, dialog and title piece and
    // rollover buttons; win95 is drawn from colours.
    Time("test theme icewm/alder", data + "icewm/alder/default.theme", rounds);
    for (const char* name : {"CrystalBlue", "win95"}) {
        const std::string path = std::string("/usr/share/icewm/themes/") + name + "/default.theme";
        if (fs::exists(path)) Time((std::string("icewm ") + name + " (installed)").c_str(), path, rounds);
    }
    TimeEngineStart(rounds);
    for (const char* name : {"Greybird", "Daloa", "Moheli"}) {
        const std::string path = std::string("/usr/share/themes/") + name + "/xfwm4/themerc";
        if (fs::exists(path)) TimeRecolour((std::string("colour scheme change, ") + name).c_str(), path, rounds);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
