#pragma once
// The script words a theme can use besides the core words: the drawing and window words, with
// one WS_<code> constant per element code holding that code's style mask.

namespace vt {

// Registers them into the running engine; called at each theme load right after the core
// words, before the theme's own scripts are compiled.
void RegisterThemeScriptWords();

}  // namespace vt
