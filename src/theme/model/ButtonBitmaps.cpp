#include "theme/model/ButtonBitmaps.h"

#include "common/AsciiText.h"
#include "theme/model/TTheme.h"

namespace vt {

void ButtonBitmaps::LoadLine(const std::string& line, TTheme& theme) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) return;
    std::string key = UpperCase(line.substr(0, equals));
    std::string value = line.substr(equals + 1);
    if (value.empty() || SameText(value, "NONE")) return;
    Bitmap* bitmap = theme.Items().FindBitmap(value);
    if (key == "NORMAL") normal_ = bitmap;
    else if (key == "DOWN") down_ = bitmap;
    else if (key == "FOCUSED") focused_ = bitmap;
    else if (key == "DISABLED") disabled_ = bitmap;
}

Bitmap* ButtonBitmaps::BitmapFor(bool enabled, bool focused) const {
    if (!normal_) return nullptr;
    Bitmap* chosen = enabled ? (focused ? focused_ : normal_) : disabled_;
    return chosen ? chosen : normal_;
}

}  // namespace vt
