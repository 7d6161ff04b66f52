// Script source, one line after another on a fresh engine with the core, drawing and window
// words, as vtforth and a theme's [CODE] section feed it.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "FuzzSupport.h"
#include "script/ScriptEngine.h"
#include "script/drawing/DrawingContext.h"
#include "script/ValueListing.h"
#include "theme/ThemeWords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (vt::fuzz::Quiet(), true);
    (void)quiet;
    vt::ScriptEngine engine;
    vt::DrawingContext drawing;
    vt::RegisterThemeScriptWords(engine, drawing);
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        try {
            engine.Interpret(text.substr(start, end - start));
            (void)vt::ListStack(engine.DataStack(), vt::kListedStringBytes, vt::kListedValues);
        } catch (const vt::ScriptError&) {
        }
        start = end + 1;
    }
    return 0;
}
