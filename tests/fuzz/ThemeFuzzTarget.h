#pragma once
// A whole theme loaded the way vttheme (and the module) loads it: the input is the theme file,
// written into a scratch folder that holds a real theme's images; the engine runs with the
// core words and the drawing and window words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeWords.h"

namespace vt::fuzz {

// `afterLoad` (if any) works on the loaded theme before it is dumped.
inline void LoadThemeInput(const char* dataFolder, const char* fileName, const std::uint8_t* data, std::size_t size,
                           void (*afterLoad)(ThemeState&) = nullptr) {
    static const std::string path = [&] {
        Quiet();
        return ScratchCopyOf(dataFolder) + "/" + fileName;
    }();
    static const std::vector<WordRegistration> words = {&RegisterThemeScriptWords};
    WriteFile(path, data, size);
    ThemeState theme;
    ThemeInspector inspector(theme);
    inspector.Load(path, words);
    if (afterLoad) afterLoad(theme);
    (void)inspector.Dump();
}

}  // namespace vt::fuzz
