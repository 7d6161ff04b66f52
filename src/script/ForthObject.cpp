#include "script/ForthObject.h"

#include "script/Engine.h"

namespace vt {

TForthObject* TLiteral::Execute() {
    Push(value);
    return next;
}

TForthObject* TDefElement::Execute() {
    if (target) target->Execute();
    return next;
}

}  // namespace vt
