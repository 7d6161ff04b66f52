// XPM text, as kwm and xfwm4 themes' images hold it; images with symbolic colours are then drawn
// again in other colours, as a colour scheme change does.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "graphics/XpmReader.h"
#include "theme/import/SymbolicImage.h"

namespace {

// Every name gets a colour derived from its length, the magenta key colour among them.
struct LengthColours : vt::SymbolicColourResolver {
    std::optional<vt::Colour> Find(const std::string& name) const override {
        if (name.size() % 3 == 0) return std::nullopt;
        return name.size() % 3 == 1 ? vt::Colour(0xFF00FF) : vt::Colour(name.size() * 0x010203u);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::Bitmap bitmap;
    vt::XpmSymbols symbols;
    try {
        vt::ReadXpm(data, size, bitmap, "fuzz.xpm", &symbols);
    } catch (const vt::ImageError&) {
        return 0;
    }
    if (!symbols.empty()) {
        vt::Bitmap target = bitmap;
        vt::SymbolicImage image(target, bitmap, std::move(symbols), vt::RgbaImage{});
        image.Recolour(LengthColours{});
    }
    return 0;
}
