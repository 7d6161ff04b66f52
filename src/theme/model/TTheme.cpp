#include "theme/model/TTheme.h"

#include "common/AsciiText.h"

namespace vt {

TThemeItem& TThemeItems::Add() {
    items_.push_back(std::make_unique<TThemeItem>());
    return *items_.back();
}

const TThemeItem* TThemeItems::Find(const std::string& name) const {
    for (const auto& item : items_)
        if (SameText(item->Name(), name)) return item.get();
    return nullptr;
}

TThemeItem* TThemeItems::Find(const std::string& name) {
    return const_cast<TThemeItem*>(static_cast<const TThemeItems*>(this)->Find(name));
}

Bitmap* TThemeItems::FindBitmap(const std::string& name) {
    TThemeItem* item = Find(name);
    return item ? &item->Bitmap() : nullptr;
}

const TThemeItem* TThemeItems::FindHolder(const Bitmap* bitmap) const {
    if (!bitmap) return nullptr;
    for (const auto& item : items_)
        if (&item->Bitmap() == bitmap) return item.get();
    return nullptr;
}

}  // namespace vt
