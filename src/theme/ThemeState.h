#pragma once
// Everything known about one loaded theme: the elements, the named bitmaps, the fonts, the
// theme-wide settings and the script engine its words live in, with the record its drawing
// words work through. The module keeps one for the process (ModuleState); tools and tests make
// their own. The readers fill it, the frame engine, the menu bar and the drawing words read it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Font.h"
#include "script/ScriptEngine.h"
#include "script/drawing/DrawingContext.h"
#include "theme/import/ThemeColourSymbols.h"
#include "theme/model/ButtonBitmaps.h"
#include "theme/model/ElementList.h"
#include "theme/model/TTheme.h"
#include "theme/model/TUIElement.h"

namespace vt {

struct ThemeState {
    // The engine the theme's [CODE] and event words are compiled into; null while no theme
    // structures exist. Elements point at its words, so it goes after them.
    std::unique_ptr<ScriptEngine> Scripts;
    // What the theme's drawing words draw and measure through; the frame engine's passes load it.
    DrawingContext Drawing;

    // Null while no theme structures exist; the native reader then does nothing.
    std::unique_ptr<ElementList> Elements;
    std::unique_ptr<TTheme> Theme;  // the named bitmaps; null while none exist
    std::unique_ptr<TUIElement> ShrinkElement;  // SHRINKRECT; only its corners are used
    // What follows the desktop's colours (imported themes only; null for the others). It points
    // at bitmaps of Theme.
    std::unique_ptr<ThemeColourSymbols> ColourSymbols;

    // The [BUTTON] section: what the themed push button draws with. Points at bitmaps of Theme.
    ButtonBitmaps Button;

    Font TitleFont;
    Font MenuFont;
    Font InactiveFont;
    Colour TitleColor = 0xFFFFFF;     // caption background when SolidCaption, active windows
    Colour InactiveColor = 0xFFFFFF;  // the same for inactive windows
    bool CenterCaption = false;
    bool RightCaption = false;  // the text at the caption's right end (imported themes; CenterCaption wins)
    bool SolidCaption = false;

    // The [MISC] keys of the same names in upper case.
    std::int32_t WidthFixup = 0;
    std::int32_t HeightFixup = 0;
    std::int32_t MenuFixup = 0;    // not reset between loads
    bool TileMenu = false;
    bool AutoExclude = false;      // not reset between loads
    bool WindowZoom = false;       // not reset between loads

    bool ThemeLoaded = false;
    std::vector<std::string> ThemeInfo;  // the [INFO] lines; cleared only by a parse
};

// What a load starts from: the shrink element and the button bitmaps forgotten, the caption colours white, no element
// list, CenterCaption, RightCaption, SolidCaption and TileMenu off, the width and height fix-ups 0 and
// ThemeLoaded off. MenuFixup, AutoExclude and WindowZoom keep the previous theme's values, and
// ThemeInfo keeps its lines until the next parse.
void ResetThemeSettings(ThemeState& state);
// The empty structures a load fills: a new script engine with the core words, element list,
// bitmap collection, default fonts.
void CreateThemeStructures(ThemeState& state);
// Releases what a load built: elements, colour symbols and button bitmaps (before the bitmaps
// and words they point at), shrink element, fonts, the bitmap collection and the script engine.
void ReleaseThemeStructures(ThemeState& state);

}  // namespace vt
