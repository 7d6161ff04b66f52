#include "graphics/win32/GdiResources.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "common/Dpi.h"
#include "graphics/DpiScaling.h"
#include "graphics/DrawingSurface.h"
#include "graphics/ScaledPixels.h"
#include "graphics/win32/DibPixels.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
COLORREF ColourToRgb(Colour c) {
    if (IsSystemColour(c)) return GetSysColor(int(c & 0xFF));
    return c & 0xFFFFFF;
}

namespace {

BlitForm MakeBlitForm(const Bitmap& bitmap) {
    BlitForm form;
    form.transparent = bitmap.Transparent();
    form.key = bitmap.TransparentColor();
    const Colour key = bitmap.TransparentColor();
    const std::vector<Colour>& pixels = bitmap.Pixels();
    // A picture with no pixel of its key colour draws as an opaque one: no mask, one blit.
    const int w = bitmap.Width(), h = bitmap.Height();
    form.width = w, form.height = h;
    if (!bitmap.Transparent() || std::find(pixels.begin(), pixels.end(), key) == pixels.end()) {
        form.image = MakeDibSection(bitmap);
        return form;
    }
    // Picture and mask together must fit the limits of a bitmap; one that does not draws nothing.
    if (2 * h > Bitmap::kMaxSide || 2 * std::int64_t(w) * h > Bitmap::kMaxPixels) return form;
    std::uint32_t* bits = nullptr;
    form.image = MakeEmptyDibSection(w, 2 * h, bits);
    if (!form) return form;
    // Written straight into the section, with no copy of the pair on the heap.
    const std::size_t count = std::size_t(w) * std::size_t(h);
    for (std::size_t i = 0; i < count; ++i) {
        const Colour c = pixels[i];
        const bool see = c == key;
        bits[i] = see ? 0 : (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
        bits[count + i] = see ? 0xFFFFFF : 0;
    }
    GdiFlush();
    form.masked = true;
    form.rows = h;
    return form;
}

}  // namespace

void GdiResources::Clear() noexcept {
    sections_.clear();
    stretched_.clear();
    tiled_.clear();
    fonts_.clear();
    scaled_.clear();
}

HDC GdiResources::SourceDc() {
    if (!source_) source_.emplace(nullptr);
    if (!*source_) {
        source_.reset();
        return nullptr;
    }
    return source_->Get();
}

const Bitmap& GdiResources::AtDpi(const Bitmap& bitmap, std::int32_t dpi) {
    if (dpi == kBaseDpi || bitmap.Empty()) return bitmap;
    auto& slot = scaled_[{&bitmap, dpi}];
    if (!slot) {
        auto scaled = std::make_unique<Bitmap>();
        try {
            ScaleForDpi(bitmap, dpi, *scaled);
        } catch (const std::length_error&) {
            scaled_.erase({&bitmap, dpi});
            return bitmap;
        }
        slot = std::move(scaled);
    }
    return *slot;
}

const BlitForm* GdiResources::Form(const Bitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    auto found = sections_.find(&bitmap);
    if (found != sections_.end() && found->second.MadeFor(bitmap)) return &found->second;
    BlitForm form = MakeBlitForm(bitmap);
    if (!form) return nullptr;
    BlitForm& slot = sections_[&bitmap];
    slot = std::move(form);
    return &slot;
}

const BlitForm* GdiResources::StretchedForm(const Bitmap& bitmap, const Rect& dest, const Rect& part) {
    if (bitmap.Empty() || dest.IsEmpty() || part.IsEmpty()) return nullptr;
    StretchKey key;
    key.destWidth = dest.Width();
    key.destHeight = dest.Height();
    key.part = Rect{part.Left - dest.Left, part.Top - dest.Top, part.Right - dest.Left, part.Bottom - dest.Top};
    return PartForm(stretched_, key, &StretchPart, bitmap, dest, part);
}

namespace {

// A tiled block's side: as many whole tiles as kTileBlock pixels hold (at least one), no more
// than `room`.
std::int32_t BlockSide(std::int32_t tile, std::int32_t room) {
    const std::int32_t whole = std::max<std::int32_t>(1, GdiResources::kTileBlock / tile) * tile;
    return std::min(whole, room);
}

}  // namespace

const BlitForm* GdiResources::TiledForm(const Bitmap& bitmap, const Rect& dest, const Rect& part) {
    if (bitmap.Empty() || dest.IsEmpty() || part.IsEmpty()) return nullptr;
    const std::int32_t w = bitmap.Width(), h = bitmap.Height();
    const Rect block{part.Left, part.Top, part.Left + BlockSide(w, part.Width()),
                     part.Top + BlockSide(h, part.Height())};
    // Where the block starts within a tile, and its size: nothing else changes its pixels.
    StretchKey key;
    const auto phase = [](std::int64_t offset, std::int32_t tile) { return std::int32_t(offset % tile); };
    const std::int32_t px = phase(std::int64_t(part.Left) - dest.Left, w);
    const std::int32_t py = phase(std::int64_t(part.Top) - dest.Top, h);
    key.part = Rect{px, py, px + block.Width(), py + block.Height()};
    return PartForm(tiled_, key, &TilePart, bitmap, dest, block);
}

const BlitForm* GdiResources::PartForm(std::unordered_map<const Bitmap*, Stretched>& cache, const StretchKey& key,
                                       MakePart make, const Bitmap& bitmap, const Rect& dest, const Rect& part) {
    auto found = cache.find(&bitmap);
    if (found != cache.end() && found->second.key == key && found->second.form.MadeFor(bitmap))
        return &found->second.form;

    Bitmap pixels;
    make(bitmap, dest, part, pixels);
    BlitForm form = MakeBlitForm(pixels);
    if (!form) return nullptr;
    Stretched& slot = cache[&bitmap];  // replaces the previous size's form
    slot.key = key;
    slot.form = std::move(form);
    return &slot.form;
}

HFONT GdiResources::FontHandle(const Font& font, std::int32_t dpi) {
    for (const FontEntry& e : fonts_) {
        if (e.size == font.size && e.bold == font.bold && e.italic == font.italic && e.underline == font.underline &&
            e.dpi == dpi && e.face == font.face)
            return static_cast<HFONT>(e.handle.get());
    }
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -MulDiv(font.size, dpi, 72);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // Longer faces are cut to what LOGFONT holds, as the platform would.
    font.face.copy(lf.lfFaceName, sizeof lf.lfFaceName - 1);
    UniqueGdiObject handle(CreateFontIndirectA(&lf));
    if (!handle) return nullptr;
    HFONT result = static_cast<HFONT>(handle.get());
    fonts_.push_back(FontEntry{font.face, font.size, font.bold, font.italic, font.underline, dpi, std::move(handle)});
    return result;
}

}  // namespace vt
