#pragma once
// Reads the XPM 3 images of kwm and xfwm4 themes into a Bitmap (24-bit; "None" switches
// transparency on with magenta as the transparent colour). Errors are vt::ImageError naming the
// file. A colour line may also give a symbolic name ("c #C0C0FF s active_mid_2"): the window
// manager fills it from the desktop's colours. The bitmap always gets the line's own colour; a
// caller that wants to recolour asks for the symbols, each with the pixels that came from it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/BmpReader.h"

namespace vt {

// One symbolic name of an image and where it is used: `colour` is what the colour line gives
// besides the name, `pixels` are row-major indexes (y * width + x). Colour lines that are
// transparent ("c None") keep their holes and are never listed; names keep their case.
struct XpmSymbol {
    std::string name;
    Colour colour = 0;
    std::vector<std::uint32_t> pixels;
};
using XpmSymbols = std::vector<XpmSymbol>;

// With `symbols`, every symbolic name that some pixel uses is listed there, in the order of the
// colour lines (two lines of the same name and colour share one entry).
void ReadXpmLines(const std::vector<std::string>& lines, Bitmap& out, const std::string& name = "",
                  XpmSymbols* symbols = nullptr);
// The bytes of an XPM file, split into lines at each line feed.
void ReadXpm(const std::uint8_t* data, std::size_t size, Bitmap& out, const std::string& name = "",
             XpmSymbols* symbols = nullptr);
void ReadXpmFile(const std::string& path, Bitmap& out, XpmSymbols* symbols = nullptr);

}  // namespace vt
