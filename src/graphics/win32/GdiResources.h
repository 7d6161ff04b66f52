#pragma once
// The GDI forms of one theme's bitmaps and fonts, made once and reused by every paint: a frame
// is repainted on every WM_NCPAINT of every skinned window, so no paint should convert pixels or
// create fonts that an earlier paint already made.
//
// Whoever owns the theme owns one GdiResources and calls Clear() when the theme is unloaded,
// before its bitmaps go away: entries are keyed by the bitmap's address and assume its pixels do
// not change while the theme is loaded. No font handed out may be selected into a device context
// when Clear() runs or the cache is destroyed (surfaces give their DC its own objects back when
// they end).
#include <windows.h>

#include <cstdint>
#include <string>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "common/Rect.h"
#include "common/win32/UniqueHandle.h"
#include "graphics/win32/GdiGuards.h"
#include "graphics/Bitmap.h"
#include "graphics/Font.h"

namespace vt {

// The RGB value a colour is drawn with: 0x80000000 + n is system colour n (its current value),
// anything else its low 24 bits.
COLORREF ColourToRgb(Colour c);

// A bitmap ready to blit 1:1, as one DIB section. A transparent one holds two pictures, one
// above the other: on top the picture with its transparent pixels black, below it a mask white
// exactly there. Drawing the mask with SRCAND and then the picture with SRCPAINT leaves the
// destination under transparent pixels as it was, with plain bit operations that are exact and
// cheap everywhere (a transparent blit that compares colours costs a fifth of a millisecond a
// piece under Wine, more than the rest of a frame). Surfaces copy both straight from the
// section's pixels, so no DC ever has a form selected in.
struct BlitForm {
    UniqueGdiObject image;
    bool masked = false;  // the mask lies below the picture, `rows` further down
    int rows = 0;
    std::int32_t width = 0, height = 0;  // of the picture
    const std::uint32_t* bits = nullptr;  // the section's pixels, top row first, picture then mask
    // What the form was made for: a bitmap whose transparency changed needs a new one.
    bool transparent = false;
    Colour key = 0;
    bool MadeFor(const Bitmap& b) const {
        return transparent == b.Transparent() && (!transparent || key == b.TransparentColor());
    }
    explicit operator bool() const { return static_cast<bool>(image); }
};

class GdiResources {
public:
    GdiResources() = default;
    ~GdiResources() = default;  // the owners release every handle
    GdiResources(const GdiResources&) = delete;
    GdiResources& operator=(const GdiResources&) = delete;

    // Releases every bitmap section and font (theme unload).
    void Clear() noexcept;

    // The bitmap's blit form, made on first use. Null for an empty bitmap or when GDI refused one
    // (a refused one is tried again next time).
    const BlitForm* Form(const Bitmap& bitmap);

    // The part `part` of `bitmap` stretched over `dest` (StretchPart's pixels, part's size) as a
    // blit form. The last one made for each bitmap is kept: the same destination size and the
    // same visible part again (wherever the destination lies) reuse it without pixel work. A
    // large one replaces the large form of another bitmap made for the same place (the active
    // and inactive pictures of a window-wide piece): a window shows one of them at a time, and
    // every program would otherwise keep both (an activation change stretches it again). Null
    // when there is nothing to draw or GDI refused.
    const BlitForm* StretchedForm(const Bitmap& bitmap, const Rect& dest, const Rect& part);
    // The pixels of `part` of `bitmap` tiled from dest's corner (TilePart's), from part's
    // top-left corner over at most kTileBlock pixels of whole tiles each way: laid side by side
    // from that corner, copies of it cover the part (a title bar's 1-pixel tile costs a few blits
    // of a block rather than a window-wide copy in every program). The last one made for each
    // bitmap is kept, and serves any destination where the part starts at the same place within
    // a tile and is at least as large as the block. Null when there is nothing to draw or GDI
    // refused.
    const BlitForm* TiledForm(const Bitmap& bitmap, const Rect& dest, const Rect& part);
    static constexpr std::int32_t kTileBlock = 256;

    // The bitmap as drawn at `dpi` (ScaleForDpi): the bitmap itself at 96, else a scaled copy made
    // once per theme and scale and kept until Clear(). A scale too large for a bitmap gives the
    // bitmap itself.
    const Bitmap& AtDpi(const Bitmap& bitmap, std::int32_t dpi);

    // The font at `dpi`, made on first use of its face, size, styles and scale; the colour plays
    // no part. Null when GDI refused it.
    HFONT FontHandle(const Font& font, std::int32_t dpi);

    // Counts of what is held (for tests and diagnostics).
    std::size_t SectionCount() const { return sections_.size(); }
    std::size_t StretchedCount() const { return stretched_.size(); }
    std::size_t TiledCount() const { return tiled_.size(); }
    std::size_t FontCount() const { return fonts_.size(); }

private:
    struct StretchKey {
        std::int32_t destWidth = 0, destHeight = 0;
        Rect part;  // relative to the destination's top-left corner
        bool operator==(const StretchKey& o) const {
            return destWidth == o.destWidth && destHeight == o.destHeight && part == o.part;
        }
    };
    struct Stretched {
        StretchKey key;
        Rect place;  // the destination it was made for
        BlitForm form;
    };
    using MakePart = void (*)(const Bitmap&, const Rect&, const Rect&, Colour*);
    Stretched* PartForm(std::unordered_map<const Bitmap*, Stretched>& cache, const StretchKey& key, MakePart make,
                        const Bitmap& bitmap, const Rect& dest, const Rect& part, bool& made);
    // Forms of at least this many pixels are kept for one bitmap a place.
    static constexpr std::int64_t kLargeForm = 64 * 64;
    struct FontEntry {
        std::string face;
        int size;
        bool bold, italic, underline;
        std::int32_t dpi;
        UniqueGdiObject handle;
    };

    std::unordered_map<const Bitmap*, BlitForm> sections_;
    std::unordered_map<const Bitmap*, Stretched> stretched_;
    std::unordered_map<const Bitmap*, Stretched> tiled_;
    std::vector<FontEntry> fonts_;  // a theme has a handful; a linear search beats hashing a face
    std::map<std::pair<const Bitmap*, std::int32_t>, std::unique_ptr<Bitmap>> scaled_;
};

}  // namespace vt
