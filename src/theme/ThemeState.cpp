#include "theme/ThemeState.h"

namespace vt {

void ResetThemeSettings(ThemeState& state) {
    state.ShrinkElement.reset();
    state.Button = ButtonBitmaps{};
    state.TitleColor = 0xFFFFFF;
    state.InactiveColor = 0xFFFFFF;
    state.Elements.reset();
    state.CenterCaption = false;
    state.RightCaption = false;
    state.SolidCaption = false;
    state.TileMenu = false;
    state.WidthFixup = 0;
    state.HeightFixup = 0;
    state.ThemeLoaded = false;
}

void CreateThemeStructures(ThemeState& state) {
    state.Elements = std::make_unique<ElementList>();
    state.Scripts = std::make_unique<ScriptEngine>();
    state.TitleFont = Font{};
    state.MenuFont = Font{};
    state.InactiveFont = Font{};
    state.ColourSymbols.reset();  // before the bitmaps it points at
    state.Theme = std::make_unique<TTheme>();
}

void ReleaseThemeStructures(ThemeState& state) {
    state.Elements.reset();
    state.ColourSymbols.reset();
    state.Button = ButtonBitmaps{};
    state.ShrinkElement.reset();
    state.TitleFont = Font{};
    state.MenuFont = Font{};
    state.InactiveFont = Font{};
    state.Theme.reset();
    state.Scripts.reset();
}

}  // namespace vt
