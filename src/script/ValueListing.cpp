#include "script/ValueListing.h"

#include "script/Engine.h"
#include "script/NumberText.h"

namespace vt {

std::string ListValue(const Value& v) {
    switch (v.kind()) {
    case Value::Kind::Empty: return "empty";
    case Value::Kind::Integer: return std::to_string(v.integer());
    case Value::Kind::Real: return FormatReal(v.real());
    case Value::Kind::String: return '"' + v.text() + '"';
    case Value::Kind::Boolean: return v.boolean() ? "true" : "false";
    case Value::Kind::Reference: break;
    }
    return "<control>";   // an open IF/DO/BEGIN fetched from the return stack at compile time
}

std::string ListDataStack() {
    std::string text;
    const ValueStack& stack = DataStack();
    for (std::size_t i = 0; i < stack.Size(); ++i) text += ' ' + ListValue(stack.At(i));
    return text;
}

}  // namespace vt
