#pragma once
// The theme's bitmap collection. Entries keep the order they were added in and may share a
// name; lookups ignore case and take the first match, so the first of two entries Close and
// CLOSE wins.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "theme/model/TThemeItem.h"

namespace vt {

class TTheme;

class TThemeItems {
public:
    explicit TThemeItems(TTheme& owner) : owner_(owner) {}
    TThemeItems(const TThemeItems&) = delete;
    TThemeItems& operator=(const TThemeItems&) = delete;

    // Appends an entry with an empty bitmap; the caller names it and fills the bitmap.
    TThemeItem& Add();
    std::size_t Count() const { return items_.size(); }
    TThemeItem& operator[](std::size_t index) { return *items_.at(index); }
    const TThemeItem& operator[](std::size_t index) const { return *items_.at(index); }

    TThemeItem* Find(const std::string& name);
    const TThemeItem* Find(const std::string& name) const;
    // The bitmap of the first entry of that name, or null: the slot then has no bitmap.
    Bitmap* FindBitmap(const std::string& name);

    // The first entry that holds this very bitmap (for naming a slot's bitmap), or null.
    const TThemeItem* FindHolder(const Bitmap* bitmap) const;

    TTheme& Owner() const { return owner_; }

private:
    TTheme& owner_;
    // unique_ptr: entries hand out pointers to their bitmaps, which must survive later Adds.
    std::vector<std::unique_ptr<TThemeItem>> items_;
};

class TTheme {
public:
    TTheme() : items_(*this) {}
    TThemeItems& Items() { return items_; }
    const TThemeItems& Items() const { return items_; }

private:
    TThemeItems items_;
};

}  // namespace vt
