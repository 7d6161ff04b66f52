// vtforth: runs theme script lines on one engine with the core words and the theme's drawing
// and window words and prints, per line, "ok" and the data stack or "error: " and the message.
// Notices and beeps become lines of their own instead of boxes and tones. There is no window
// and no drawing surface: the words that draw or measure end their line with an error.
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "common/Notice.h"
#include "script/ScriptEngine.h"
#include "script/drawing/DrawingContext.h"
#include "script/ValueListing.h"
#include "theme/ThemeWords.h"

namespace {

const char* const kHelp =
    "usage: vtforth [FILE]\n"
    "       vtforth --help\n"
    "\n"
    "Runs theme script lines (the [CODE] language) on one script engine with the core words,\n"
    "the drawing and window words and the WS_ constants, reading FILE, or standard input\n"
    "when no FILE is given. A definition may span lines. No window is being drawn: the words\n"
    "that draw or measure text report an error.\n"
    "After each line it prints exactly one line:\n"
    "  ok STACK        the data stack from bottom to top, each value preceded by one space:\n"
    "                  Integer in decimal, Real as the shortest decimal that reads back the\n"
    "                  same with a '.' (15.0), String in double quotes, true or false, empty;\n"
    "                  an empty stack prints ok alone; a String longer than 64 bytes shows\n"
    "                  its first 64 bytes and then ...(N bytes), and a stack deeper than\n"
    "                  256 values lists its top 256 after [N more]\n"
    "  error: MESSAGE  the line raised an error; the stack keeps what it holds\n"
    "While a line runs, these may come first, one line each:\n"
    "  warning: TEXT   a compiler warning (a redefined word)\n"
    "  disp: TEXT      what DISP shows\n"
    "  beep            BEEP\n"
    "A carriage return inside a message is written as \\r. No box is shown. Exit status 0\n"
    "(1 when FILE cannot be read).\n";

// One output line per message: a carriage return is written as the two characters \r.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') {
            line += "\\r";
        } else {
            line += c;
        }
    }
    return line;
}

void RunLines(vt::ScriptEngine& engine, std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();   // CRLF files
        // The whole result line is made before any of it is written, so that a failure while
        // listing gives an error line of its own, never "ok" run into "error:".
        std::string result;
        try {
            engine.Interpret(line);
            result = "ok" + vt::ListStack(engine.DataStack(), vt::kListedStringBytes, vt::kListedValues);
        } catch (const std::exception& e) {
            result = "error: " + OneLine(e.what());
        }
        std::cout << result << '\n';
        std::cout.flush();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kHelp;
        return 0;
    }
    vt::SetNoticeHandler([](const std::string& caption, const std::string& text, unsigned) {
        std::cout << (caption == "Tarnforth" ? "disp: " : "warning: ") << OneLine(text) << '\n';
    });
    vt::SetBeepHandler([](unsigned, unsigned) { std::cout << "beep\n"; });
    vt::ScriptEngine engine;
    vt::DrawingContext drawing;  // no window and no surface: the drawing words say so when used
    vt::RegisterThemeScriptWords(engine, drawing);
    if (argc > 1) {
        std::ifstream file(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "vtforth: cannot read " << argv[1] << '\n';
            return 1;
        }
        RunLines(engine, file);
    } else {
        RunLines(engine, std::cin);
    }
    return 0;
}
