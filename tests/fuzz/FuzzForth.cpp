// Script source, one line after another on a fresh engine with the core, drawing and window
// words, as vtforth and a theme's [CODE] section feed it.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "FuzzSupport.h"
#include "script/Engine.h"
#include "script/ValueListing.h"
#include "theme/ThemeWords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (vt::fuzz::Quiet(), true);
    (void)quiet;
    vt::StartEngine();
    vt::RegisterThemeScriptWords();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        try {
            vt::Interpret(text.substr(start, end - start));
            (void)vt::ListDataStack(vt::kListedStringBytes, vt::kListedValues);
        } catch (const vt::ScriptError&) {
        }
        start = end + 1;
    }
    vt::StopEngine();
    return 0;
}
