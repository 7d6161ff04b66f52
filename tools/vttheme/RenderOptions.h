#pragma once
// The command line of vttheme render, read without any Win32 so that it is tested natively:
//   vttheme render THEME OUT.png [--size WxH] [--inactive] [--hover ELEMENT] [--pressed ELEMENT]
//                  [--menu "&File,&Edit"] [--title TEXT] [--sheet] [--scale PERCENT] [--watch]
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

struct RenderOptions {
    std::string theme;
    std::string out;
    std::int32_t width = 320;
    std::int32_t height = 200;
    bool inactive = false;
    bool sheet = false;           // active, inactive, hover and pressed side by side
    std::string hover;            // an element name, code or index; empty: none
    std::string pressed;
    std::vector<std::string> menu;  // the menu bar's items; none: no menu bar
    std::string title = "Preview";
    std::int32_t scale = 100;       // percent: the display scale the frame is drawn at
    bool watch = false;             // render again at every save until Ctrl+C
};

// The display scales a preview may be drawn at, in percent.
constexpr std::int32_t kMinScale = 25;
constexpr std::int32_t kMaxScale = 1000;

// "WxH", each side 1 to kMaxPreviewSide. Throws std::invalid_argument.
void ParseWindowSize(const std::string& size, std::int32_t& width, std::int32_t& height);

// "150" (percent) as a number within kMinScale..kMaxScale. Throws std::invalid_argument.
std::int32_t ParseScale(const std::string& text);

// The largest side a preview may have: far beyond any screen, small enough that a sheet of four
// stays inside the image limits.
constexpr std::int32_t kMaxPreviewSide = 4096;

// `args`: what follows "render". Throws std::invalid_argument saying what is wrong.
RenderOptions ParseRenderOptions(const std::vector<std::string>& args);

}  // namespace vt
