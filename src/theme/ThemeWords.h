#pragma once
// The script words a theme can use besides the core words: the drawing and window words, with
// one WS_<code> constant per element code holding that code's style mask.

namespace vt {

class ScriptEngine;
struct DrawingContext;
struct ThemeState;

// Registers them into `engine`, working through `context`; called at each theme load once the
// engine exists, before the theme's own scripts are compiled.
void RegisterThemeScriptWords(ScriptEngine& engine, DrawingContext& context);
// The same for a theme's own engine and drawing context.
void RegisterThemeScriptWords(ThemeState& state);

}  // namespace vt
