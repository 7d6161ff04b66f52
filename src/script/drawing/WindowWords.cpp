#include "script/drawing/WindowWords.h"

#include <string>

#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

// The platform's title buffer holds 256 characters with its terminating zero.
constexpr std::size_t kMaxTitleLength = 255;

}  // namespace

TForthObject* TGetTitle::Execute() {
    const DrawingHost* host = context_.Host;
    std::uintptr_t window = context_.Window;
    std::string text;
    if (host && window != 0) {
        text = host->WindowText(window);
        // Held to what the platform's buffer would give, whatever the host hands back.
        std::size_t end = text.find('\0');
        if (end > kMaxTitleLength) end = kMaxTitleLength;
        if (end < text.size()) text.resize(end);
    }
    Push(Value::FromString(text));
    return nullptr;
}

TForthObject* TWindowStyle::Execute() {
    Push(Value::FromInt(std::int32_t(context_.WindowStyle)));
    return nullptr;
}

TForthObject* TGetDpi::Execute() {
    Push(Value::FromInt(context_.Dpi));
    return nullptr;
}

TForthObject* TGetActive::Execute() {
    // An Integer, not a Boolean: scripts add and compare it as a number.
    Push(Value::FromInt(context_.IsActive ? 1 : 0));
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TGetTitle>;
template class TNativeReference<TWindowStyle>;
template class TNativeReference<TGetActive>;
template class TNativeReference<TGetDpi>;

}  // namespace vt
