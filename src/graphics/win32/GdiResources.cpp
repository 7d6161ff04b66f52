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

using WritePart = void (*)(const Bitmap&, const Rect&, const Rect&, Colour*);

// The pixels of `part` as `write` gives them (of `dest`, from `bitmap`), written straight into a
// DIB section and put in its layout there, with no copy on the heap: a heap that has once held
// a window-wide copy keeps that memory in every program. A part without a pixel of its key
// colour is opaque (no mask, one blit); the mask half of a section that needs none is never
// touched, so it takes no memory. A part too large for a bitmap gives no form.
BlitForm MakeBlitForm(const Bitmap& bitmap, const Rect& dest, const Rect& part, WritePart write) {
    BlitForm form;
    form.transparent = bitmap.Transparent();
    form.key = bitmap.TransparentColor();
    const Colour key = bitmap.TransparentColor();
    const std::int32_t w = part.Width(), h = part.Height();
    const bool keyed = bitmap.Transparent() &&
                       std::find(bitmap.Pixels().begin(), bitmap.Pixels().end(), key) != bitmap.Pixels().end();
    const std::int64_t rows = keyed ? 2 * std::int64_t(h) : h;
    if (w <= 0 || h <= 0 || w > Bitmap::kMaxSide || rows > Bitmap::kMaxSide || w * rows > Bitmap::kMaxPixels)
        return form;
    std::uint32_t* bits = nullptr;
    form.image = MakeEmptyDibSection(w, int(rows), bits);
    if (!form) return form;
    form.width = w, form.height = h, form.rows = h;
    form.bits = bits;
    write(bitmap, dest, part, bits);
    const std::size_t count = std::size_t(w) * std::size_t(h);
    form.masked = keyed && std::find(bits, bits + count, key) != bits + count;
    for (std::size_t i = 0; i < count; ++i) {
        const Colour c = bits[i];
        const bool see = form.masked && c == key;
        bits[i] = see ? 0 : (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
        if (form.masked) bits[count + i] = see ? 0xFFFFFF : 0;
    }
    GdiFlush();
    return form;
}

void WriteWhole(const Bitmap& bitmap, const Rect&, const Rect&, Colour* out) {
    std::copy(bitmap.Pixels().begin(), bitmap.Pixels().end(), out);
}

}  // namespace

void GdiResources::Clear() noexcept {
    sections_.clear();
    stretched_.clear();
    tiled_.clear();
    fonts_.clear();
    scaled_.clear();
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
    const Rect whole{0, 0, bitmap.Width(), bitmap.Height()};
    BlitForm form = MakeBlitForm(bitmap, whole, whole, &WriteWhole);
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
    bool made = false;
    Stretched* slot = PartForm(stretched_, key, &StretchPartInto, bitmap, dest, part, made);
    if (!slot) return nullptr;
    if (made && std::int64_t(part.Width()) * part.Height() >= kLargeForm) {
        for (auto it = stretched_.begin(); it != stretched_.end();) {
            const bool other = &it->second != slot && it->second.key == key && it->second.place == dest;
            it = other ? stretched_.erase(it) : std::next(it);
        }
    }
    return &slot->form;
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
    bool made = false;
    Stretched* slot = PartForm(tiled_, key, &TilePartInto, bitmap, dest, block, made);
    return slot ? &slot->form : nullptr;
}

GdiResources::Stretched* GdiResources::PartForm(std::unordered_map<const Bitmap*, Stretched>& cache,
                                                const StretchKey& key, MakePart make, const Bitmap& bitmap,
                                                const Rect& dest, const Rect& part, bool& made) {
    auto found = cache.find(&bitmap);
    if (found != cache.end() && found->second.key == key && found->second.form.MadeFor(bitmap))
        return &found->second;

    BlitForm form = MakeBlitForm(bitmap, dest, part, make);
    if (!form) return nullptr;
    Stretched& slot = cache[&bitmap];  // replaces the previous size's form
    slot.key = key;
    slot.place = dest;
    slot.form = std::move(form);
    made = true;
    return &slot;
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
