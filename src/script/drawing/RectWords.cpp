#include "script/drawing/RectWords.h"

#include <stdexcept>

#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

void PushInt(std::int32_t n) { Push(Value::FromInt(n)); }

// A difference of two sides wraps within 32 bits as the platform's arithmetic does; a script
// may have stored any two values.
std::int32_t Difference(std::int32_t high, std::int32_t low) {
    return std::int32_t(std::uint32_t(high) - std::uint32_t(low));
}

// The rectangle of element number `index` of the theme's element list, by way of the host.
Rect ElementRect(const DrawingContext& context, const char* word) {
    const DrawingHost* host = context.Host;
    if (!host) {
        Error(std::string(word) + " needs the theme's element list, and none is available here");
    }
    std::int32_t index = Pop().ToInteger();
    try {
        return host->ElementRect(index);
    } catch (const std::out_of_range& e) {
        Error(e.what());
    }
}

}  // namespace

TForthObject* TFetchRectTop::Execute() {
    PushInt(context_.CurrentRect.Top);
    return nullptr;
}

TForthObject* TStoreRectTop::Execute() {
    context_.CurrentRect.Top = Pop().ToInteger();
    return nullptr;
}

TForthObject* TFetchRectLeft::Execute() {
    PushInt(context_.CurrentRect.Left);
    return nullptr;
}

TForthObject* TStoreRectLeft::Execute() {
    context_.CurrentRect.Left = Pop().ToInteger();
    return nullptr;
}

TForthObject* TFetchRectBottom::Execute() {
    PushInt(context_.CurrentRect.Bottom);
    return nullptr;
}

TForthObject* TStoreRectBottom::Execute() {
    context_.CurrentRect.Bottom = Pop().ToInteger();
    return nullptr;
}

TForthObject* TFetchRectRight::Execute() {
    PushInt(context_.CurrentRect.Right);
    return nullptr;
}

TForthObject* TStoreRectRight::Execute() {
    context_.CurrentRect.Right = Pop().ToInteger();
    return nullptr;
}

TForthObject* TGetTop::Execute() {
    PushInt(ElementRect(context_, "RECTTOP").Top);
    return nullptr;
}

TForthObject* TGetLeft::Execute() {
    PushInt(ElementRect(context_, "RECTLEFT").Left);
    return nullptr;
}

TForthObject* TGetBottom::Execute() {
    PushInt(ElementRect(context_, "RECTBOTTOM").Bottom);
    return nullptr;
}

TForthObject* TGetRight::Execute() {
    PushInt(ElementRect(context_, "RECTRIGHT").Right);
    return nullptr;
}

TForthObject* TFetchRect::Execute() {
    const Rect& r = context_.CurrentRect;
    PushInt(r.Left);
    PushInt(r.Top);
    PushInt(r.Right);
    PushInt(r.Bottom);
    return nullptr;
}

TForthObject* TStoreRect::Execute() {
    // Converted in full before the rectangle changes, so that a bad operand leaves it as it was.
    std::int32_t bottom = Pop().ToInteger();
    std::int32_t right = Pop().ToInteger();
    std::int32_t top = Pop().ToInteger();
    std::int32_t left = Pop().ToInteger();
    context_.CurrentRect = Rect{left, top, right, bottom};
    return nullptr;
}

TForthObject* TGetWidth::Execute() {
    PushInt(Difference(context_.CurrentRect.Right, context_.CurrentRect.Left));
    return nullptr;
}

TForthObject* TGetHeight::Execute() {
    PushInt(Difference(context_.CurrentRect.Bottom, context_.CurrentRect.Top));
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TFetchRectTop>;
template class TNativeReference<TStoreRectTop>;
template class TNativeReference<TFetchRectLeft>;
template class TNativeReference<TStoreRectLeft>;
template class TNativeReference<TFetchRectBottom>;
template class TNativeReference<TStoreRectBottom>;
template class TNativeReference<TFetchRectRight>;
template class TNativeReference<TStoreRectRight>;
template class TNativeReference<TGetTop>;
template class TNativeReference<TGetLeft>;
template class TNativeReference<TGetBottom>;
template class TNativeReference<TGetRight>;
template class TNativeReference<TFetchRect>;
template class TNativeReference<TStoreRect>;
template class TNativeReference<TGetWidth>;
template class TNativeReference<TGetHeight>;

}  // namespace vt
